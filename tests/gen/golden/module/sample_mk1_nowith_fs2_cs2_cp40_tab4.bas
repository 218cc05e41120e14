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
    dat受注日 as Date                   ' 受注日
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
    strName as String * 50              ' 氏名
    strKana as String * 50              ' フリガナ
    datBirth as Date                    ' 生年月日
    curSalary as Currency
    bolActive as Boolean
    intDeptCode as Integer
    bytGrade as Byte
    dblRate as Double
    sglRatio as Single
    strNote as String                   ' 備考
    Photo as 未定義
    Guid as 未定義
    Amount as 未定義
end type
public type def商品                     ' 商品マスタ
    str商品コード as String * 10        ' 商品コード
    str商品名 as String * 40            ' 商品名
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

    dim strSQL as string                ' SQLを一時的に格納
    dim rstCustomer as recordset        ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    typCustomer.strCustomerName = ""
    typCustomer.strAddress = ""

    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [Customer] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "CustomerCode='" & typCustomer.strCustomerCode & "' "

    set rstCustomer = dboCustomer.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rstCustomer.eof = true then
        Customer_Read = false           ' 該当レコードが無い
    else
        Customer_Read = true            ' 該当レコードが有る

        ' レコードセットから構造体へデータをコピー
        typCustomer.strCustomerName = fncStringNullCheck(rstCustomer![CustomerName])
        typCustomer.strAddress = fncStringNullCheck(rstCustomer![Address])
    end if
    rstCustomer.close
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

    dim strSQL as string                ' SQLを一時的に格納
    dim rstHistory as recordset         ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    typHistory.datWhen = now()
    typHistory.strWhat = ""
    typHistory.strWho = ""

    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [tblHistory] "

    set rstHistory = dboHistory.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rstHistory.eof = true then
        tblHistory_Read = false         ' 該当レコードが無い
    else
        tblHistory_Read = true          ' 該当レコードが有る

        ' レコードセットから構造体へデータをコピー
        typHistory.datWhen = rstHistory![fldWhen]
        typHistory.strWhat = fncStringNullCheck(rstHistory![fldWhat])
        typHistory.strWho = fncStringNullCheck(rstHistory![fldWho])
    end if
    rstHistory.close
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

    dim strSQL as string                ' SQLを一時的に格納
    dim rstOrder as recordset           ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    typOrder.dat受注日 = now()          ' 受注日
    typOrder.strItemCode = ""
    typOrder.lngQty = 0
    typOrder.curPrice = 0

    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [tblOrder] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldOrderNo=" & cstr(typOrder.lngOrderNo) & " "
    strSQL = strSQL & "AND fldLine=" & cstr(typOrder.intLine) & " "

    set rstOrder = dboOrder.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rstOrder.eof = true then
        tblOrder_Read = false           ' 該当レコードが無い
    else
        tblOrder_Read = true            ' 該当レコードが有る

        ' レコードセットから構造体へデータをコピー
        typOrder.dat受注日 = rstOrder![fld受注日] ' 受注日
        typOrder.strItemCode = fncStringNullCheck(rstOrder![fldItemCode])
        typOrder.lngQty = fncNumericNullCheck(rstOrder![fldQty])
        typOrder.curPrice = fncNumericNullCheck(rstOrder![fldPrice])
    end if
    rstOrder.close
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

    dim strSQL as string                ' SQLを一時的に格納
    dim rstTBLProduct as recordset      ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    typTBLProduct.strName = ""

    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [TBLProduct] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "Code='" & typTBLProduct.strCode & "' "

    set rstTBLProduct = dboTBLProduct.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rstTBLProduct.eof = true then
        TBLProduct_Read = false         ' 該当レコードが無い
    else
        TBLProduct_Read = true          ' 該当レコードが有る

        ' レコードセットから構造体へデータをコピー
        typTBLProduct.strName = fncStringNullCheck(rstTBLProduct![Name])
    end if
    rstTBLProduct.close
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

    dim strSQL as string                ' SQLを一時的に格納
    dim rstStaff as recordset           ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    typStaff.strName = ""               ' 氏名
    typStaff.strKana = ""               ' フリガナ
    typStaff.datBirth = now()           ' 生年月日
    typStaff.curSalary = 0
    typStaff.bolActive = false
    typStaff.intDeptCode = 0
    typStaff.bytGrade = 0
    typStaff.dblRate = 0
    typStaff.sglRatio = 0
    typStaff.strNote = ""               ' 備考
    typStaff
    typStaff
    typStaff

    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [tblStaff] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldID=" & cstr(typStaff.lngID) & " "

    set rstStaff = dboStaff.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rstStaff.eof = true then
        tblStaff_Read = false           ' 該当レコードが無い
    else
        tblStaff_Read = true            ' 該当レコードが有る

        ' レコードセットから構造体へデータをコピー
        typStaff.strName = fncStringNullCheck(rstStaff![fldName]) ' 氏名
        typStaff.strKana = fncStringNullCheck(rstStaff![fldKana]) ' フリガナ
        typStaff.datBirth = rstStaff![fldBirth] ' 生年月日
        typStaff.curSalary = fncNumericNullCheck(rstStaff![fldSalary])
        typStaff.bolActive = rstStaff![fldActive]
        typStaff.intDeptCode = fncNumericNullCheck(rstStaff![fldDeptCode])
        typStaff.bytGrade = fncNumericNullCheck(rstStaff![fldGrade])
        typStaff.dblRate = fncNumericNullCheck(rstStaff![fldRate])
        typStaff.sglRatio = fncNumericNullCheck(rstStaff![fldRatio])
        typStaff.strNote = fncStringNullCheck(rstStaff![fldNote]) ' 備考
        typStaff.Photo = rstStaff![fldPhoto]
        typStaff.Guid = rstStaff![fldGuid]
        typStaff.Amount = rstStaff![fldAmount]
    end if
    rstStaff.close
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

    dim strSQL as string                ' SQLを一時的に格納
    dim rst商品 as recordset            ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    typ商品.str商品名 = ""              ' 商品名
    typ商品.cur単価 = 0

    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [商品] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "商品コード='" & typ商品.str商品コード & "' " ' 商品コード

    set rst商品 = dbo商品.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rst商品.eof = true then
        商品_Read = false               ' 該当レコードが無い
    else
        商品_Read = true                ' 該当レコードが有る

        ' レコードセットから構造体へデータをコピー
        typ商品.str商品名 = fncStringNullCheck(rst商品![商品名]) ' 商品名
        typ商品.cur単価 = fncNumericNullCheck(rst商品![単価])
    end if
    rst商品.close
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
    strSQL = "SELECT * FROM [Customer] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "CustomerCode='" & typCustomer.strCustomerCode & "' "

    set rstCustomer = dboCustomer.openrecordset(strSQL)

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rstCustomer.eof = true then
        rstCustomer.addnew              ' 新規追加
    else
        rstCustomer.edit                ' 既存変更
    end if

    ' 構造体からレコードセットへデータをコピー
    if typCustomer.strCustomerCode <> "" then 
        rstCustomer![CustomerCode] = typCustomer.strCustomerCode
    end if
    if typCustomer.strCustomerName <> "" then 
        rstCustomer![CustomerName] = typCustomer.strCustomerName
    end if
    if typCustomer.strAddress <> "" then 
        rstCustomer![Address] = typCustomer.strAddress
    end if
    rstCustomer.update
    rstCustomer.close
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
    strSQL = "SELECT * FROM [tblHistory] "

    set rstHistory = dboHistory.openrecordset(strSQL)

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rstHistory.eof = true then
        rstHistory.addnew               ' 新規追加
    else
        rstHistory.edit                 ' 既存変更
    end if

    ' 構造体からレコードセットへデータをコピー
    rstHistory![fldWhen] = typHistory.datWhen
    if typHistory.strWhat <> "" then 
        rstHistory![fldWhat] = typHistory.strWhat
    end if
    if typHistory.strWho <> "" then 
        rstHistory![fldWho] = typHistory.strWho
    end if
    rstHistory.update
    rstHistory.close
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
    strSQL = "SELECT * FROM [tblOrder] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldOrderNo=" & cstr(typOrder.lngOrderNo) & " "
    strSQL = strSQL & "AND fldLine=" & cstr(typOrder.intLine) & " "

    set rstOrder = dboOrder.openrecordset(strSQL)

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rstOrder.eof = true then
        rstOrder.addnew                 ' 新規追加
    else
        rstOrder.edit                   ' 既存変更
    end if

    ' 構造体からレコードセットへデータをコピー
    rstOrder![fldOrderNo] = typOrder.lngOrderNo
    rstOrder![fldLine] = typOrder.intLine
    rstOrder![fld受注日] = typOrder.dat受注日 ' 受注日
    if typOrder.strItemCode <> "" then 
        rstOrder![fldItemCode] = typOrder.strItemCode
    end if
    rstOrder![fldQty] = typOrder.lngQty
    rstOrder![fldPrice] = typOrder.curPrice
    rstOrder.update
    rstOrder.close
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
    strSQL = "SELECT * FROM [TBLProduct] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "Code='" & typTBLProduct.strCode & "' "

    set rstTBLProduct = dboTBLProduct.openrecordset(strSQL)

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rstTBLProduct.eof = true then
        rstTBLProduct.addnew            ' 新規追加
    else
        rstTBLProduct.edit              ' 既存変更
    end if

    ' 構造体からレコードセットへデータをコピー
    if typTBLProduct.strCode <> "" then 
        rstTBLProduct![Code] = typTBLProduct.strCode
    end if
    if typTBLProduct.strName <> "" then 
        rstTBLProduct![Name] = typTBLProduct.strName
    end if
    rstTBLProduct.update
    rstTBLProduct.close
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
    strSQL = "SELECT * FROM [tblStaff] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldID=" & cstr(typStaff.lngID) & " "

    set rstStaff = dboStaff.openrecordset(strSQL)

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rstStaff.eof = true then
        rstStaff.addnew                 ' 新規追加
    else
        rstStaff.edit                   ' 既存変更
    end if

    ' 構造体からレコードセットへデータをコピー
    rstStaff![fldID] = typStaff.lngID
    if typStaff.strName <> "" then 
        rstStaff![fldName] = typStaff.strName ' 氏名
    end if
    rstStaff![fldKana] = typStaff.strKana ' フリガナ
    rstStaff![fldBirth] = typStaff.datBirth ' 生年月日
    rstStaff![fldSalary] = typStaff.curSalary
    rstStaff![fldActive] = typStaff.bolActive
    rstStaff![fldDeptCode] = typStaff.intDeptCode
    rstStaff![fldGrade] = typStaff.bytGrade
    rstStaff![fldRate] = typStaff.dblRate
    rstStaff![fldRatio] = typStaff.sglRatio
    if typStaff.strNote <> "" then 
        rstStaff![fldNote] = typStaff.strNote ' 備考
    end if
    rstStaff![fldPhoto] = typStaff.Photo
    rstStaff![fldGuid] = typStaff.Guid
    rstStaff![fldAmount] = typStaff.Amount
    rstStaff.update
    rstStaff.close
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
    strSQL = "SELECT * FROM [商品] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "商品コード='" & typ商品.str商品コード & "' " ' 商品コード

    set rst商品 = dbo商品.openrecordset(strSQL)

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rst商品.eof = true then
        rst商品.addnew                  ' 新規追加
    else
        rst商品.edit                    ' 既存変更
    end if

    ' 構造体からレコードセットへデータをコピー
    if typ商品.str商品コード <> "" then 
        rst商品![商品コード] = typ商品.str商品コード ' 商品コード
    end if
    if typ商品.str商品名 <> "" then 
        rst商品![商品名] = typ商品.str商品名 ' 商品名
    end if
    rst商品![単価] = typ商品.cur単価
    rst商品.update
    rst商品.close
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
    strSQL = "DELETE * FROM [Customer] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "CustomerCode='" & typCustomer.strCustomerCode & "' "

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
    strSQL = "DELETE * FROM [tblHistory] "

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
    strSQL = "DELETE * FROM [tblOrder] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldOrderNo=" & cstr(typOrder.lngOrderNo) & " "
    strSQL = strSQL & "AND fldLine=" & cstr(typOrder.intLine) & " "

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
    strSQL = "DELETE * FROM [TBLProduct] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "Code='" & typTBLProduct.strCode & "' "

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
    strSQL = "DELETE * FROM [tblStaff] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldID=" & cstr(typStaff.lngID) & " "

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
    strSQL = "DELETE * FROM [商品] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "商品コード='" & typ商品.str商品コード & "' " ' 商品コード

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
