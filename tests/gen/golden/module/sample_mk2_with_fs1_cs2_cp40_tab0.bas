Attribute VB_Name = "mdlSample"
Option Explicit


' DAOを使った読み込みルーチンのサンプルです
public function Customer_Read(dboCustomer as database) as boolean
' 使い方
' パラメータ説明
' dboCustomer : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rstCustomer as recordset            ' レコードセットを一時的に格納


' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [Customer] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "CustomerCode='" &  & "' "

set rstCustomer = dboCustomer.openrecordset(strSQL)

with rstCustomer
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
Customer_Read = false                   ' 該当レコードが無い
else
Customer_Read = true                    ' 該当レコードが有る

 = fncStringNullCheck(.fields("CustomerName").value)
 = fncStringNullCheck(.fields("Address").value)
end if
.close
end with
end function
public function tblHistory_Read(dboHistory as database) as boolean
' 使い方
' パラメータ説明
' dboHistory : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rstHistory as recordset             ' レコードセットを一時的に格納


' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [tblHistory] "

set rstHistory = dboHistory.openrecordset(strSQL)

with rstHistory
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
tblHistory_Read = false                 ' 該当レコードが無い
else
tblHistory_Read = true                  ' 該当レコードが有る

 = .fields("fldWhen").value
 = fncStringNullCheck(.fields("fldWhat").value)
 = fncStringNullCheck(.fields("fldWho").value)
end if
.close
end with
end function
public function tblOrder_Read(dboOrder as database) as boolean ' 受注明細
' 使い方
' パラメータ説明
' dboOrder : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rstOrder as recordset               ' レコードセットを一時的に格納


' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [tblOrder] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldOrderNo=" & cstr() & " "
strSQL = strSQL & "AND fldLine=" & cstr() & " "

set rstOrder = dboOrder.openrecordset(strSQL)

with rstOrder
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
tblOrder_Read = false                   ' 該当レコードが無い
else
tblOrder_Read = true                    ' 該当レコードが有る

 = .fields("fld受注日").value           ' 受注日
 = fncStringNullCheck(.fields("fldItemCode").value)
 = fncNumericNullCheck(.fields("fldQty").value)
 = fncNumericNullCheck(.fields("fldPrice").value)
end if
.close
end with
end function
public function TBLProduct_Read(dboTBLProduct as database) as boolean
' 使い方
' パラメータ説明
' dboTBLProduct : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rstTBLProduct as recordset          ' レコードセットを一時的に格納


' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [TBLProduct] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "Code='" &  & "' "

set rstTBLProduct = dboTBLProduct.openrecordset(strSQL)

with rstTBLProduct
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
TBLProduct_Read = false                 ' 該当レコードが無い
else
TBLProduct_Read = true                  ' 該当レコードが有る

 = fncStringNullCheck(.fields("Name").value)
end if
.close
end with
end function
public function tblStaff_Read(dboStaff as database) as boolean ' 社員マスタ
' 使い方
' パラメータ説明
' dboStaff : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rstStaff as recordset               ' レコードセットを一時的に格納


' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [tblStaff] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldID=" & cstr() & " "

set rstStaff = dboStaff.openrecordset(strSQL)

with rstStaff
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
tblStaff_Read = false                   ' 該当レコードが無い
else
tblStaff_Read = true                    ' 該当レコードが有る

 = fncStringNullCheck(.fields("fldName").value) ' 氏名
 = fncStringNullCheck(.fields("fldKana").value) ' フリガナ
 = .fields("fldBirth").value            ' 生年月日
 = fncNumericNullCheck(.fields("fldSalary").value)
 = .fields("fldActive").value
 = fncNumericNullCheck(.fields("fldDeptCode").value)
 = fncNumericNullCheck(.fields("fldGrade").value)
 = fncNumericNullCheck(.fields("fldRate").value)
 = fncNumericNullCheck(.fields("fldRatio").value)
 = fncStringNullCheck(.fields("fldNote").value) ' 備考
 = .fields("fldPhoto").value
 = .fields("fldGuid").value
 = .fields("fldAmount").value
end if
.close
end with
end function
public function 商品_Read(dbo商品 as database) as boolean ' 商品マスタ
' 使い方
' パラメータ説明
' dbo商品 : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rst商品 as recordset                ' レコードセットを一時的に格納


' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [商品] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "商品コード='" &  & "' " ' 商品コード

set rst商品 = dbo商品.openrecordset(strSQL)

with rst商品
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
商品_Read = false                       ' 該当レコードが無い
else
商品_Read = true                        ' 該当レコードが有る

 = fncStringNullCheck(.fields("商品名").value) ' 商品名
 = fncNumericNullCheck(.fields("単価").value)
end if
.close
end with
end function

' DAOを使った書き込みルーチンのサンプルです

public sub Customer_Write(dboCustomer as database)
' 使い方
' パラメータ説明
' dboCustomer : データベースオブジェクト(Input)

dim strSQL as string
dim rstCustomer as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [Customer] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "CustomerCode='" &  & "' "

set rstCustomer = dboCustomer.openrecordset(strSQL)

with rstCustomer
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

if  <> "" then 
.fields("CustomerCode").value = _

end if
if  <> "" then 
.fields("CustomerName").value = _

end if
if  <> "" then 
.fields("Address").value = _

end if
.update
.close
end with
end sub

public sub tblHistory_Write(dboHistory as database)
' 使い方
' パラメータ説明
' dboHistory : データベースオブジェクト(Input)

dim strSQL as string
dim rstHistory as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [tblHistory] "

set rstHistory = dboHistory.openrecordset(strSQL)

with rstHistory
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

.fields("fldWhen").value = 
if  <> "" then 
.fields("fldWhat").value = _

end if
if  <> "" then 
.fields("fldWho").value = _

end if
.update
.close
end with
end sub

public sub tblOrder_Write(dboOrder as database) ' 受注明細
' 使い方
' パラメータ説明
' dboOrder : データベースオブジェクト(Input)

dim strSQL as string
dim rstOrder as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [tblOrder] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldOrderNo=" & cstr() & " "
strSQL = strSQL & "AND fldLine=" & cstr() & " "

set rstOrder = dboOrder.openrecordset(strSQL)

with rstOrder
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

.fields("fldOrderNo").value = 
.fields("fldLine").value = 
.fields("fld受注日").value =            ' 受注日
if  <> "" then 
.fields("fldItemCode").value = _

end if
.fields("fldQty").value = 
.fields("fldPrice").value = 
.update
.close
end with
end sub

public sub TBLProduct_Write(dboTBLProduct as database)
' 使い方
' パラメータ説明
' dboTBLProduct : データベースオブジェクト(Input)

dim strSQL as string
dim rstTBLProduct as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [TBLProduct] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "Code='" &  & "' "

set rstTBLProduct = dboTBLProduct.openrecordset(strSQL)

with rstTBLProduct
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

if  <> "" then 
.fields("Code").value = _

end if
if  <> "" then 
.fields("Name").value = _

end if
.update
.close
end with
end sub

public sub tblStaff_Write(dboStaff as database) ' 社員マスタ
' 使い方
' パラメータ説明
' dboStaff : データベースオブジェクト(Input)

dim strSQL as string
dim rstStaff as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [tblStaff] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldID=" & cstr() & " "

set rstStaff = dboStaff.openrecordset(strSQL)

with rstStaff
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

.fields("fldID").value = 
if  <> "" then 
.fields("fldName").value = _
                                        ' 氏名
end if
.fields("fldKana").value =              ' フリガナ
.fields("fldBirth").value =             ' 生年月日
.fields("fldSalary").value = 
.fields("fldActive").value = 
.fields("fldDeptCode").value = 
.fields("fldGrade").value = 
.fields("fldRate").value = 
.fields("fldRatio").value = 
if  <> "" then 
.fields("fldNote").value = _
                                        ' 備考
end if
.fields("fldPhoto").value = 
.fields("fldGuid").value = 
.fields("fldAmount").value = 
.update
.close
end with
end sub

public sub 商品_Write(dbo商品 as database) ' 商品マスタ
' 使い方
' パラメータ説明
' dbo商品 : データベースオブジェクト(Input)

dim strSQL as string
dim rst商品 as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "SELECT * FROM [商品] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "商品コード='" &  & "' " ' 商品コード

set rst商品 = dbo商品.openrecordset(strSQL)

with rst商品
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

if  <> "" then 
.fields("商品コード").value = _
                                        ' 商品コード
end if
if  <> "" then 
.fields("商品名").value = _
                                        ' 商品名
end if
.fields("単価").value = 
.update
.close
end with
end sub

' DAOを使ったレコード削除ルーチンのサンプルです

public sub Customer_Delete(dboCustomer as database)
' 使い方
' パラメータ説明
' dboCustomer : データベースオブジェクト(Input)

dim strSQL as string
dim rstCustomer as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "DELETE * FROM [Customer] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "CustomerCode='" &  & "' "

dboCustomer.Execute(strSQL)
end sub

public sub tblHistory_Delete(dboHistory as database)
' 使い方
' パラメータ説明
' dboHistory : データベースオブジェクト(Input)

dim strSQL as string
dim rstHistory as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "DELETE * FROM [tblHistory] "

dboHistory.Execute(strSQL)
end sub

public sub tblOrder_Delete(dboOrder as database) ' 受注明細
' 使い方
' パラメータ説明
' dboOrder : データベースオブジェクト(Input)

dim strSQL as string
dim rstOrder as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "DELETE * FROM [tblOrder] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldOrderNo=" & cstr() & " "
strSQL = strSQL & "AND fldLine=" & cstr() & " "

dboOrder.Execute(strSQL)
end sub

public sub TBLProduct_Delete(dboTBLProduct as database)
' 使い方
' パラメータ説明
' dboTBLProduct : データベースオブジェクト(Input)

dim strSQL as string
dim rstTBLProduct as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "DELETE * FROM [TBLProduct] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "Code='" &  & "' "

dboTBLProduct.Execute(strSQL)
end sub

public sub tblStaff_Delete(dboStaff as database) ' 社員マスタ
' 使い方
' パラメータ説明
' dboStaff : データベースオブジェクト(Input)

dim strSQL as string
dim rstStaff as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "DELETE * FROM [tblStaff] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldID=" & cstr() & " "

dboStaff.Execute(strSQL)
end sub

public sub 商品_Delete(dbo商品 as database) ' 商品マスタ
' 使い方
' パラメータ説明
' dbo商品 : データベースオブジェクト(Input)

dim strSQL as string
dim rst商品 as recordset

' 主キーによるレコードアクセス用SQLを作成します
strSQL = "DELETE * FROM [商品] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "商品コード='" &  & "' " ' 商品コード

dbo商品.Execute(strSQL)
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
