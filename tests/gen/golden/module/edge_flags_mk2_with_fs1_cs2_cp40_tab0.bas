Attribute VB_Name = "mdlSample"
Option Explicit


' DAOを使った読み込みルーチンのサンプルです
public function tb_Read(dbotb as database) as boolean
' 使い方
' パラメータ説明
' dbotb : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rsttb as recordset                  ' レコードセットを一時的に格納


' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [tb] "

set rsttb = dbotb.openrecordset(strSQL)

with rsttb
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
tb_Read = false                         ' 該当レコードが無い
else
tb_Read = true                          ' 該当レコードが有る

 = fncStringNullCheck(.fields("fl").value)
end if
.close
end with
end function
public function tbl_Read(dbo as database) as boolean
' 使い方
' パラメータ説明
' dbo : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rst as recordset                    ' レコードセットを一時的に格納


' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [tbl] "

set rst = dbo.openrecordset(strSQL)

with rst
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
tbl_Read = false                        ' 該当レコードが無い
else
tbl_Read = true                         ' 該当レコードが有る

end if
.close
end with
end function
public function tblDept_Read(dboDept as database) as boolean ' 部署
' 使い方
' パラメータ説明
' dboDept : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rstDept as recordset                ' レコードセットを一時的に格納


' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [tblDept] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldDeptID=" & cstr() & " " ' 部署ID（オートナンバー）

set rstDept = dboDept.openrecordset(strSQL)

with rstDept
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
tblDept_Read = false                    ' 該当レコードが無い
else
tblDept_Read = true                     ' 該当レコードが有る

 = fncStringNullCheck(.fields("fldDeptName").value) ' 部署名
 = fncStringNullCheck(.fields("fldURL").value)
 = .fields("fldBin").value
 = fncStringNullCheck(.fields("fld Space Name").value)
 = fncStringNullCheck(.fields("fldCode").value)
end if
.close
end with
end function
public function tblEmp_Read(dboEmp as database) as boolean
' 使い方
' パラメータ説明
' dboEmp : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rstEmp as recordset                 ' レコードセットを一時的に格納


' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [tblEmp] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldEmpID=" & cstr() & " "

set rstEmp = dboEmp.openrecordset(strSQL)

with rstEmp
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
tblEmp_Read = false                     ' 該当レコードが無い
else
tblEmp_Read = true                      ' 該当レコードが有る

 = fncNumericNullCheck(.fields("fldDeptID").value) ' 所属部署
 = fncStringNullCheck(.fields("fldName").value)
end if
.close
end with
end function

' DAOを使った書き込みルーチンのサンプルです

public sub tb_Write(dbotb as database)
' 使い方
' パラメータ説明
' dbotb : データベースオブジェクト(Input)

dim strSQL as string
dim rsttb as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [tb] "

set rsttb = dbotb.openrecordset(strSQL)

with rsttb
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

if  <> "" then 
.fields("fl").value = _

end if
.update
.close
end with
end sub

public sub tbl_Write(dbo as database)
' 使い方
' パラメータ説明
' dbo : データベースオブジェクト(Input)

dim strSQL as string
dim rst as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [tbl] "

set rst = dbo.openrecordset(strSQL)

with rst
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

.update
.close
end with
end sub

public sub tblDept_Write(dboDept as database) ' 部署
' 使い方
' パラメータ説明
' dboDept : データベースオブジェクト(Input)

dim strSQL as string
dim rstDept as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [tblDept] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldDeptID=" & cstr() & " " ' 部署ID（オートナンバー）

set rstDept = dboDept.openrecordset(strSQL)

with rstDept
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

.fields("fldDeptID").value =            ' 部署ID（オートナンバー）
.fields("fldDeptName").value =          ' 部署名
if  <> "" then 
.fields("fldURL").value = _

end if
.fields("fldBin").value = 
if  <> "" then 
.fields("fld Space Name").value = _

end if
.fields("fldCode").value = 
.update
.close
end with
end sub

public sub tblEmp_Write(dboEmp as database)
' 使い方
' パラメータ説明
' dboEmp : データベースオブジェクト(Input)

dim strSQL as string
dim rstEmp as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [tblEmp] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldEmpID=" & cstr() & " "

set rstEmp = dboEmp.openrecordset(strSQL)

with rstEmp
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

.fields("fldEmpID").value = 
.fields("fldDeptID").value =            ' 所属部署
if  <> "" then 
.fields("fldName").value = _

end if
.update
.close
end with
end sub

' DAOを使ったレコード削除ルーチンのサンプルです

public sub tb_Delete(dbotb as database)
' 使い方
' パラメータ説明
' dbotb : データベースオブジェクト(Input)

dim strSQL as string
dim rsttb as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "DELETE * FROM [tb] "

dbotb.Execute(strSQL)
end sub

public sub tbl_Delete(dbo as database)
' 使い方
' パラメータ説明
' dbo : データベースオブジェクト(Input)

dim strSQL as string
dim rst as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "DELETE * FROM [tbl] "

dbo.Execute(strSQL)
end sub

public sub tblDept_Delete(dboDept as database) ' 部署
' 使い方
' パラメータ説明
' dboDept : データベースオブジェクト(Input)

dim strSQL as string
dim rstDept as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "DELETE * FROM [tblDept] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldDeptID=" & cstr() & " " ' 部署ID（オートナンバー）

dboDept.Execute(strSQL)
end sub

public sub tblEmp_Delete(dboEmp as database)
' 使い方
' パラメータ説明
' dboEmp : データベースオブジェクト(Input)

dim strSQL as string
dim rstEmp as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "DELETE * FROM [tblEmp] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldEmpID=" & cstr() & " "

dboEmp.Execute(strSQL)
end sub

private function fncNumericNullCheck(varInput as Variant) as Variant
if isnull(varInput) = false then
fncNumericNullCheck = varInput
else
fncNumericNullCheck = 0
end if
end function

private function fncStringNullCheck(varInput as Variant) as Variant
if isnull(varInput) = false then
fncStringNullCheck = varInput
else
fncStringNullCheck = ""
end if
end function
