Attribute VB_Name = "mdlsample"
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
public type defOrder ' 受注明細
    lngOrderNo as Long
    intLine as Integer
    dat受注日 as Date ' 受注日
    strItemCode as String * 10
    lngQty as Long
    curPrice as Currency
end type
public type defTBLProduct
    strCode as String * 10
    strName as String * 40
end type
public type defStaff ' 社員マスタ
    lngID as Long
    strName as String * 50 ' 氏名
    strKana as String * 50 ' フリガナ
    datBirth as Date ' 生年月日
    curSalary as Currency
    bolActive as Boolean
    intDeptCode as Integer
    bytGrade as Byte
    dblRate as Double
    sglRatio as Single
    strNote as String ' 備考
    Photo as 未定義
    Guid as 未定義
    Amount as 未定義
end type
public type def商品 ' 商品マスタ
    str商品コード as String * 10 ' 商品コード
    str商品名 as String * 40 ' 商品名
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

    dim strSQL as string ' SQLを一時的に格納
    dim rstCustomer as recordset ' レコードセットを一時的に格納

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
            Customer_Read = false ' 該当レコードが無い
        else
            Customer_Read = true ' 該当レコードが有る

            ' レコードセットから構造体へデータをコピー
            typCustomer.strCustomerName = fncStringNullCheck(![CustomerName])
            typCustomer.strAddress = fncStringNullCheck(![Address])
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

    dim strSQL as string ' SQLを一時的に格納
    dim rstHistory as recordset ' レコードセットを一時的に格納

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
            tblHistory_Read = false ' 該当レコードが無い
        else
            tblHistory_Read = true ' 該当レコードが有る

            ' レコードセットから構造体へデータをコピー
            typHistory.datWhen = ![fldWhen]
            typHistory.strWhat = fncStringNullCheck(![fldWhat])
            typHistory.strWho = fncStringNullCheck(![fldWho])
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

    dim strSQL as string ' SQLを一時的に格納
    dim rstOrder as recordset ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    with typOrder
        .dat受注日 = now() ' 受注日
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
            tblOrder_Read = false ' 該当レコードが無い
        else
            tblOrder_Read = true ' 該当レコードが有る

            ' レコードセットから構造体へデータをコピー
            typOrder.dat受注日 = ![fld受注日] ' 受注日
            typOrder.strItemCode = fncStringNullCheck(![fldItemCode])
            typOrder.lngQty = fncNumericNullCheck(![fldQty])
            typOrder.curPrice = fncNumericNullCheck(![fldPrice])
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

    dim strSQL as string ' SQLを一時的に格納
    dim rstTBLProduct as recordset ' レコードセットを一時的に格納

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
            TBLProduct_Read = false ' 該当レコードが無い
        else
            TBLProduct_Read = true ' 該当レコードが有る

            ' レコードセットから構造体へデータをコピー
            typTBLProduct.strName = fncStringNullCheck(![Name])
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

    dim strSQL as string ' SQLを一時的に格納
    dim rstStaff as recordset ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    with typStaff
        .strName = "" ' 氏名
        .strKana = "" ' フリガナ
        .datBirth = now() ' 生年月日
        .curSalary = 0
        .bolActive = false
        .intDeptCode = 0
        .bytGrade = 0
        .dblRate = 0
        .sglRatio = 0
        .strNote = "" ' 備考
        
        
        
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
            tblStaff_Read = false ' 該当レコードが無い
        else
            tblStaff_Read = true ' 該当レコードが有る

            ' レコードセットから構造体へデータをコピー
            typStaff.strName = fncStringNullCheck(![fldName]) ' 氏名
            typStaff.strKana = fncStringNullCheck(![fldKana]) ' フリガナ
            typStaff.datBirth = ![fldBirth] ' 生年月日
            typStaff.curSalary = fncNumericNullCheck(![fldSalary])
            typStaff.bolActive = ![fldActive]
            typStaff.intDeptCode = fncNumericNullCheck(![fldDeptCode])
            typStaff.bytGrade = fncNumericNullCheck(![fldGrade])
            typStaff.dblRate = fncNumericNullCheck(![fldRate])
            typStaff.sglRatio = fncNumericNullCheck(![fldRatio])
            typStaff.strNote = fncStringNullCheck(![fldNote]) ' 備考
            typStaff.Photo = ![fldPhoto]
            typStaff.Guid = ![fldGuid]
            typStaff.Amount = ![fldAmount]
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

    dim strSQL as string ' SQLを一時的に格納
    dim rst商品 as recordset ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    with typ商品
        .str商品名 = "" ' 商品名
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
            商品_Read = false ' 該当レコードが無い
        else
            商品_Read = true ' 該当レコードが有る

            ' レコードセットから構造体へデータをコピー
            typ商品.str商品名 = fncStringNullCheck(![商品名]) ' 商品名
            typ商品.cur単価 = fncNumericNullCheck(![単価])
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
            .addnew ' 新規追加
        else
            .edit ' 既存変更
        end if

        ' 構造体からレコードセットへデータをコピー
        if typCustomer.strCustomerCode <> "" then 
            ![CustomerCode] = typCustomer.strCustomerCode
        end if
        if typCustomer.strCustomerName <> "" then 
            ![CustomerName] = typCustomer.strCustomerName
        end if
        if typCustomer.strAddress <> "" then 
            ![Address] = typCustomer.strAddress
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
            .addnew ' 新規追加
        else
            .edit ' 既存変更
        end if

        ' 構造体からレコードセットへデータをコピー
        ![fldWhen] = typHistory.datWhen
        if typHistory.strWhat <> "" then 
            ![fldWhat] = typHistory.strWhat
        end if
        if typHistory.strWho <> "" then 
            ![fldWho] = typHistory.strWho
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
            .addnew ' 新規追加
        else
            .edit ' 既存変更
        end if

        ' 構造体からレコードセットへデータをコピー
        ![fldOrderNo] = typOrder.lngOrderNo
        ![fldLine] = typOrder.intLine
        ![fld受注日] = typOrder.dat受注日 ' 受注日
        if typOrder.strItemCode <> "" then 
            ![fldItemCode] = typOrder.strItemCode
        end if
        ![fldQty] = typOrder.lngQty
        ![fldPrice] = typOrder.curPrice
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
            .addnew ' 新規追加
        else
            .edit ' 既存変更
        end if

        ' 構造体からレコードセットへデータをコピー
        if typTBLProduct.strCode <> "" then 
            ![Code] = typTBLProduct.strCode
        end if
        if typTBLProduct.strName <> "" then 
            ![Name] = typTBLProduct.strName
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
            .addnew ' 新規追加
        else
            .edit ' 既存変更
        end if

        ' 構造体からレコードセットへデータをコピー
        ![fldID] = typStaff.lngID
        if typStaff.strName <> "" then 
            ![fldName] = typStaff.strName ' 氏名
        end if
        ![fldKana] = typStaff.strKana ' フリガナ
        ![fldBirth] = typStaff.datBirth ' 生年月日
        ![fldSalary] = typStaff.curSalary
        ![fldActive] = typStaff.bolActive
        ![fldDeptCode] = typStaff.intDeptCode
        ![fldGrade] = typStaff.bytGrade
        ![fldRate] = typStaff.dblRate
        ![fldRatio] = typStaff.sglRatio
        if typStaff.strNote <> "" then 
            ![fldNote] = typStaff.strNote ' 備考
        end if
        ![fldPhoto] = typStaff.Photo
        ![fldGuid] = typStaff.Guid
        ![fldAmount] = typStaff.Amount
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
            .addnew ' 新規追加
        else
            .edit ' 既存変更
        end if

        ' 構造体からレコードセットへデータをコピー
        if typ商品.str商品コード <> "" then 
            ![商品コード] = typ商品.str商品コード ' 商品コード
        end if
        if typ商品.str商品名 <> "" then 
            ![商品名] = typ商品.str商品名 ' 商品名
        end if
        ![単価] = typ商品.cur単価
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
