Attribute VB_Name = "mdlSample"
Option Explicit

' フィールドへの読み書きデータをユーザ定義型へ代入できるように、
' ユーザ定義型を宣言します
public type defCustomer
strCustomerCode as String * 8
strCustomerName as String * 40
strAddress as String
end type
public type defHistory
datWhen as Date
strWhat as String * 255
strWho as String * 20
end type
public type defOrder                    ' 受注明細
lngOrderNo as Long
intLine as Integer
dat受注日 as Date                       ' 受注日
strItemCode as String * 10
lngQty as Long
curPrice as Currency
end type
public type defTBLProduct
strCode as String * 10
strName as String * 40
end type
public type defStaff                    ' 社員マスタ
lngID as Long
strName as String * 50                  ' 氏名
strKana as String * 50                  ' フリガナ
datBirth as Date                        ' 生年月日
curSalary as Currency
bolActive as Boolean
intDeptCode as Integer
bytGrade as Byte
dblRate as Double
sglRatio as Single
strNote as String                       ' 備考
Photo as 未定義
Guid as 未定義
Amount as 未定義
end type
public type def商品                     ' 商品マスタ
str商品コード as String * 10            ' 商品コード
str商品名 as String * 40                ' 商品名
cur単価 as Currency
end type

' DAOを使った読み込みルーチンのサンプルです
public function Customer_Read(dboCustomer as database,typCustomer as defCustomer) as boolean
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboCustomer : データベースオブジェクト(Input)
' typCustomer : 入出力用構造体(Input/Output)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rstCustomer as recordset            ' レコードセットを一時的に格納

' レコードが無い場合に備えて、変数のクリアを行います
with typCustomer
.strCustomerName = ""
.strAddress = ""
end with

' 主キーによるレコードアクセス用SQLを作成します
with typCustomer
strSQL = "SELECT * FROM [Customer] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "CustomerCode='" & .strCustomerCode & "' "
end with

set rstCustomer = dboCustomer.openrecordset(strSQL)

with rstCustomer
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
Customer_Read = false                   ' 該当レコードが無い
else
Customer_Read = true                    ' 該当レコードが有る

' レコードセットから構造体へデータをコピー
if isnull(.fields("CustomerName").value) = false then
typCustomer.strCustomerName = _
.fields("CustomerName").value
end if
if isnull(.fields("Address").value) = false then
typCustomer.strAddress = _
.fields("Address").value
end if
end if
.close
end with
end function
public function tblHistory_Read(dboHistory as database,typHistory as defHistory) as boolean
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboHistory : データベースオブジェクト(Input)
' typHistory : 入出力用構造体(Input/Output)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rstHistory as recordset             ' レコードセットを一時的に格納

' レコードが無い場合に備えて、変数のクリアを行います
with typHistory
.datWhen = now()
.strWhat = ""
.strWho = ""
end with

' 主キーによるレコードアクセス用SQLを作成します
with typHistory
strSQL = "SELECT * FROM [tblHistory] "
end with

set rstHistory = dboHistory.openrecordset(strSQL)

with rstHistory
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
tblHistory_Read = false                 ' 該当レコードが無い
else
tblHistory_Read = true                  ' 該当レコードが有る

' レコードセットから構造体へデータをコピー
if isnull(.fields("fldWhen").value) = false then
typHistory.datWhen = _
.fields("fldWhen").value
end if
if isnull(.fields("fldWhat").value) = false then
typHistory.strWhat = _
.fields("fldWhat").value
end if
if isnull(.fields("fldWho").value) = false then
typHistory.strWho = _
.fields("fldWho").value
end if
end if
.close
end with
end function
public function tblOrder_Read(dboOrder as database,typOrder as defOrder) as boolean ' 受注明細
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboOrder : データベースオブジェクト(Input)
' typOrder : 入出力用構造体(Input/Output)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rstOrder as recordset               ' レコードセットを一時的に格納

' レコードが無い場合に備えて、変数のクリアを行います
with typOrder
.dat受注日 = now()                      ' 受注日
.strItemCode = ""
.lngQty = 0
.curPrice = 0
end with

' 主キーによるレコードアクセス用SQLを作成します
with typOrder
strSQL = "SELECT * FROM [tblOrder] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldOrderNo=" & cstr(.lngOrderNo) & " "
strSQL = strSQL & "AND fldLine=" & cstr(.intLine) & " "
end with

set rstOrder = dboOrder.openrecordset(strSQL)

with rstOrder
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
tblOrder_Read = false                   ' 該当レコードが無い
else
tblOrder_Read = true                    ' 該当レコードが有る

' レコードセットから構造体へデータをコピー
if isnull(.fields("fld受注日").value) = false then
typOrder.dat受注日 = _
.fields("fld受注日").value              ' 受注日
end if
if isnull(.fields("fldItemCode").value) = false then
typOrder.strItemCode = _
.fields("fldItemCode").value
end if
if isnull(.fields("fldQty").value) = false then
typOrder.lngQty = _
.fields("fldQty").value
end if
if isnull(.fields("fldPrice").value) = false then
typOrder.curPrice = _
.fields("fldPrice").value
end if
end if
.close
end with
end function
public function TBLProduct_Read(dboTBLProduct as database,typTBLProduct as defTBLProduct) as boolean
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboTBLProduct : データベースオブジェクト(Input)
' typTBLProduct : 入出力用構造体(Input/Output)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rstTBLProduct as recordset          ' レコードセットを一時的に格納

' レコードが無い場合に備えて、変数のクリアを行います
with typTBLProduct
.strName = ""
end with

' 主キーによるレコードアクセス用SQLを作成します
with typTBLProduct
strSQL = "SELECT * FROM [TBLProduct] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "Code='" & .strCode & "' "
end with

set rstTBLProduct = dboTBLProduct.openrecordset(strSQL)

with rstTBLProduct
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
TBLProduct_Read = false                 ' 該当レコードが無い
else
TBLProduct_Read = true                  ' 該当レコードが有る

' レコードセットから構造体へデータをコピー
if isnull(.fields("Name").value) = false then
typTBLProduct.strName = _
.fields("Name").value
end if
end if
.close
end with
end function
public function tblStaff_Read(dboStaff as database,typStaff as defStaff) as boolean ' 社員マスタ
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboStaff : データベースオブジェクト(Input)
' typStaff : 入出力用構造体(Input/Output)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rstStaff as recordset               ' レコードセットを一時的に格納

' レコードが無い場合に備えて、変数のクリアを行います
with typStaff
.strName = ""                           ' 氏名
.strKana = ""                           ' フリガナ
.datBirth = now()                       ' 生年月日
.curSalary = 0
.bolActive = false
.intDeptCode = 0
.bytGrade = 0
.dblRate = 0
.sglRatio = 0
.strNote = ""                           ' 備考



end with

' 主キーによるレコードアクセス用SQLを作成します
with typStaff
strSQL = "SELECT * FROM [tblStaff] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldID=" & cstr(.lngID) & " "
end with

set rstStaff = dboStaff.openrecordset(strSQL)

with rstStaff
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
tblStaff_Read = false                   ' 該当レコードが無い
else
tblStaff_Read = true                    ' 該当レコードが有る

' レコードセットから構造体へデータをコピー
if isnull(.fields("fldName").value) = false then
typStaff.strName = _
.fields("fldName").value                ' 氏名
end if
if isnull(.fields("fldKana").value) = false then
typStaff.strKana = _
.fields("fldKana").value                ' フリガナ
end if
if isnull(.fields("fldBirth").value) = false then
typStaff.datBirth = _
.fields("fldBirth").value               ' 生年月日
end if
if isnull(.fields("fldSalary").value) = false then
typStaff.curSalary = _
.fields("fldSalary").value
end if
if isnull(.fields("fldActive").value) = false then
typStaff.bolActive = _
.fields("fldActive").value
end if
if isnull(.fields("fldDeptCode").value) = false then
typStaff.intDeptCode = _
.fields("fldDeptCode").value
end if
if isnull(.fields("fldGrade").value) = false then
typStaff.bytGrade = _
.fields("fldGrade").value
end if
if isnull(.fields("fldRate").value) = false then
typStaff.dblRate = _
.fields("fldRate").value
end if
if isnull(.fields("fldRatio").value) = false then
typStaff.sglRatio = _
.fields("fldRatio").value
end if
if isnull(.fields("fldNote").value) = false then
typStaff.strNote = _
.fields("fldNote").value                ' 備考
end if
if isnull(.fields("fldPhoto").value) = false then
typStaff.Photo = _
.fields("fldPhoto").value
end if
if isnull(.fields("fldGuid").value) = false then
typStaff.Guid = _
.fields("fldGuid").value
end if
if isnull(.fields("fldAmount").value) = false then
typStaff.Amount = _
.fields("fldAmount").value
end if
end if
.close
end with
end function
public function 商品_Read(dbo商品 as database,typ商品 as def商品) as boolean ' 商品マスタ
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dbo商品 : データベースオブジェクト(Input)
' typ商品 : 入出力用構造体(Input/Output)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

dim strSQL as string                    ' SQLを一時的に格納
dim rst商品 as recordset                ' レコードセットを一時的に格納

' レコードが無い場合に備えて、変数のクリアを行います
with typ商品
.str商品名 = ""                         ' 商品名
.cur単価 = 0
end with

' 主キーによるレコードアクセス用SQLを作成します
with typ商品
strSQL = "SELECT * FROM [商品] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "商品コード='" & .str商品コード & "' " ' 商品コード
end with

set rst商品 = dbo商品.openrecordset(strSQL)

with rst商品
' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
if .eof = true then
商品_Read = false                       ' 該当レコードが無い
else
商品_Read = true                        ' 該当レコードが有る

' レコードセットから構造体へデータをコピー
if isnull(.fields("商品名").value) = false then
typ商品.str商品名 = _
.fields("商品名").value                 ' 商品名
end if
if isnull(.fields("単価").value) = false then
typ商品.cur単価 = _
.fields("単価").value
end if
end if
.close
end with
end function

' DAOを使った書き込みルーチンのサンプルです

public sub Customer_Write(dboCustomer as database,typCustomer as defCustomer)
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboCustomer : データベースオブジェクト(Input)
' typCustomer : 入力用構造体(Input)

dim strSQL as string
dim rstCustomer as recordset

' 主キーによるレコードアクセス用SQLを作成します
with typCustomer
strSQL = "SELECT * FROM [Customer] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "CustomerCode='" & .strCustomerCode & "' "
end with

set rstCustomer = dboCustomer.openrecordset(strSQL)

with rstCustomer
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

' 構造体からレコードセットへデータをコピー
if typCustomer.strCustomerCode <> "" then 
.fields("CustomerCode").value = _
typCustomer.strCustomerCode
end if
if typCustomer.strCustomerName <> "" then 
.fields("CustomerName").value = _
typCustomer.strCustomerName
end if
if typCustomer.strAddress <> "" then 
.fields("Address").value = _
typCustomer.strAddress
end if
.update
.close
end with
end sub

public sub tblHistory_Write(dboHistory as database,typHistory as defHistory)
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboHistory : データベースオブジェクト(Input)
' typHistory : 入力用構造体(Input)

dim strSQL as string
dim rstHistory as recordset

' 主キーによるレコードアクセス用SQLを作成します
with typHistory
strSQL = "SELECT * FROM [tblHistory] "
end with

set rstHistory = dboHistory.openrecordset(strSQL)

with rstHistory
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

' 構造体からレコードセットへデータをコピー
.fields("fldWhen").value = typHistory.datWhen
if typHistory.strWhat <> "" then 
.fields("fldWhat").value = _
typHistory.strWhat
end if
if typHistory.strWho <> "" then 
.fields("fldWho").value = _
typHistory.strWho
end if
.update
.close
end with
end sub

public sub tblOrder_Write(dboOrder as database,typOrder as defOrder) ' 受注明細
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboOrder : データベースオブジェクト(Input)
' typOrder : 入力用構造体(Input)

dim strSQL as string
dim rstOrder as recordset

' 主キーによるレコードアクセス用SQLを作成します
with typOrder
strSQL = "SELECT * FROM [tblOrder] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldOrderNo=" & cstr(.lngOrderNo) & " "
strSQL = strSQL & "AND fldLine=" & cstr(.intLine) & " "
end with

set rstOrder = dboOrder.openrecordset(strSQL)

with rstOrder
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

' 構造体からレコードセットへデータをコピー
.fields("fldOrderNo").value = typOrder.lngOrderNo
.fields("fldLine").value = typOrder.intLine
.fields("fld受注日").value = typOrder.dat受注日 ' 受注日
if typOrder.strItemCode <> "" then 
.fields("fldItemCode").value = _
typOrder.strItemCode
end if
.fields("fldQty").value = typOrder.lngQty
.fields("fldPrice").value = typOrder.curPrice
.update
.close
end with
end sub

public sub TBLProduct_Write(dboTBLProduct as database,typTBLProduct as defTBLProduct)
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboTBLProduct : データベースオブジェクト(Input)
' typTBLProduct : 入力用構造体(Input)

dim strSQL as string
dim rstTBLProduct as recordset

' 主キーによるレコードアクセス用SQLを作成します
with typTBLProduct
strSQL = "SELECT * FROM [TBLProduct] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "Code='" & .strCode & "' "
end with

set rstTBLProduct = dboTBLProduct.openrecordset(strSQL)

with rstTBLProduct
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

' 構造体からレコードセットへデータをコピー
if typTBLProduct.strCode <> "" then 
.fields("Code").value = _
typTBLProduct.strCode
end if
if typTBLProduct.strName <> "" then 
.fields("Name").value = _
typTBLProduct.strName
end if
.update
.close
end with
end sub

public sub tblStaff_Write(dboStaff as database,typStaff as defStaff) ' 社員マスタ
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboStaff : データベースオブジェクト(Input)
' typStaff : 入力用構造体(Input)

dim strSQL as string
dim rstStaff as recordset

' 主キーによるレコードアクセス用SQLを作成します
with typStaff
strSQL = "SELECT * FROM [tblStaff] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldID=" & cstr(.lngID) & " "
end with

set rstStaff = dboStaff.openrecordset(strSQL)

with rstStaff
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

' 構造体からレコードセットへデータをコピー
.fields("fldID").value = typStaff.lngID
if typStaff.strName <> "" then 
.fields("fldName").value = _
typStaff.strName                        ' 氏名
end if
.fields("fldKana").value = typStaff.strKana ' フリガナ
.fields("fldBirth").value = typStaff.datBirth ' 生年月日
.fields("fldSalary").value = typStaff.curSalary
.fields("fldActive").value = typStaff.bolActive
.fields("fldDeptCode").value = typStaff.intDeptCode
.fields("fldGrade").value = typStaff.bytGrade
.fields("fldRate").value = typStaff.dblRate
.fields("fldRatio").value = typStaff.sglRatio
if typStaff.strNote <> "" then 
.fields("fldNote").value = _
typStaff.strNote                        ' 備考
end if
.fields("fldPhoto").value = typStaff.Photo
.fields("fldGuid").value = typStaff.Guid
.fields("fldAmount").value = typStaff.Amount
.update
.close
end with
end sub

public sub 商品_Write(dbo商品 as database,typ商品 as def商品) ' 商品マスタ
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dbo商品 : データベースオブジェクト(Input)
' typ商品 : 入力用構造体(Input)

dim strSQL as string
dim rst商品 as recordset

' 主キーによるレコードアクセス用SQLを作成します
with typ商品
strSQL = "SELECT * FROM [商品] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "商品コード='" & .str商品コード & "' " ' 商品コード
end with

set rst商品 = dbo商品.openrecordset(strSQL)

with rst商品
' レコードが存在する場合には更新をして、ない場合には追加をします
if .eof = true then
.addnew                                 ' 新規追加
else
.edit                                   ' 既存変更
end if

' 構造体からレコードセットへデータをコピー
if typ商品.str商品コード <> "" then 
.fields("商品コード").value = _
typ商品.str商品コード                   ' 商品コード
end if
if typ商品.str商品名 <> "" then 
.fields("商品名").value = _
typ商品.str商品名                       ' 商品名
end if
.fields("単価").value = typ商品.cur単価
.update
.close
end with
end sub

' DAOを使ったレコード削除ルーチンのサンプルです

public sub Customer_Delete(dboCustomer as database,typCustomer as defCustomer)
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboCustomer : データベースオブジェクト(Input)
' typCustomer : 入力用構造体(Input)

dim strSQL as string
dim rstCustomer as recordset

' 主キーによるレコードアクセス用SQLを作成します
with typCustomer
strSQL = "DELETE * FROM [Customer] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "CustomerCode='" & .strCustomerCode & "' "
end with

dboCustomer.Execute(strSQL)
end sub

public sub tblHistory_Delete(dboHistory as database,typHistory as defHistory)
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboHistory : データベースオブジェクト(Input)
' typHistory : 入力用構造体(Input)

dim strSQL as string
dim rstHistory as recordset

' 主キーによるレコードアクセス用SQLを作成します
with typHistory
strSQL = "DELETE * FROM [tblHistory] "
end with

dboHistory.Execute(strSQL)
end sub

public sub tblOrder_Delete(dboOrder as database,typOrder as defOrder) ' 受注明細
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboOrder : データベースオブジェクト(Input)
' typOrder : 入力用構造体(Input)

dim strSQL as string
dim rstOrder as recordset

' 主キーによるレコードアクセス用SQLを作成します
with typOrder
strSQL = "DELETE * FROM [tblOrder] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldOrderNo=" & cstr(.lngOrderNo) & " "
strSQL = strSQL & "AND fldLine=" & cstr(.intLine) & " "
end with

dboOrder.Execute(strSQL)
end sub

public sub TBLProduct_Delete(dboTBLProduct as database,typTBLProduct as defTBLProduct)
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboTBLProduct : データベースオブジェクト(Input)
' typTBLProduct : 入力用構造体(Input)

dim strSQL as string
dim rstTBLProduct as recordset

' 主キーによるレコードアクセス用SQLを作成します
with typTBLProduct
strSQL = "DELETE * FROM [TBLProduct] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "Code='" & .strCode & "' "
end with

dboTBLProduct.Execute(strSQL)
end sub

public sub tblStaff_Delete(dboStaff as database,typStaff as defStaff) ' 社員マスタ
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboStaff : データベースオブジェクト(Input)
' typStaff : 入力用構造体(Input)

dim strSQL as string
dim rstStaff as recordset

' 主キーによるレコードアクセス用SQLを作成します
with typStaff
strSQL = "DELETE * FROM [tblStaff] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "fldID=" & cstr(.lngID) & " "
end with

dboStaff.Execute(strSQL)
end sub

public sub 商品_Delete(dbo商品 as database,typ商品 as def商品) ' 商品マスタ
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dbo商品 : データベースオブジェクト(Input)
' typ商品 : 入力用構造体(Input)

dim strSQL as string
dim rst商品 as recordset

' 主キーによるレコードアクセス用SQLを作成します
with typ商品
strSQL = "DELETE * FROM [商品] "
strSQL = strSQL & "WHERE "
strSQL = strSQL & "商品コード='" & .str商品コード & "' " ' 商品コード
end with

dbo商品.Execute(strSQL)
end sub
