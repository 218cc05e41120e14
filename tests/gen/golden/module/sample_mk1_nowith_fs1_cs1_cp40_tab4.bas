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
        if isnull(rstCustomer.fields("CustomerName").value) = false then
            typCustomer.strCustomerName = _
                rstCustomer.fields("CustomerName").value
        end if
        if isnull(rstCustomer.fields("Address").value) = false then
            typCustomer.strAddress = _
                rstCustomer.fields("Address").value
        end if
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
        if isnull(rstHistory.fields("fldWhen").value) = false then
            typHistory.datWhen = _
                rstHistory.fields("fldWhen").value
        end if
        if isnull(rstHistory.fields("fldWhat").value) = false then
            typHistory.strWhat = _
                rstHistory.fields("fldWhat").value
        end if
        if isnull(rstHistory.fields("fldWho").value) = false then
            typHistory.strWho = _
                rstHistory.fields("fldWho").value
        end if
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
        if isnull(rstOrder.fields("fld受注日").value) = false then
            typOrder.dat受注日 = _
                rstOrder.fields("fld受注日").value ' 受注日
        end if
        if isnull(rstOrder.fields("fldItemCode").value) = false then
            typOrder.strItemCode = _
                rstOrder.fields("fldItemCode").value
        end if
        if isnull(rstOrder.fields("fldQty").value) = false then
            typOrder.lngQty = _
                rstOrder.fields("fldQty").value
        end if
        if isnull(rstOrder.fields("fldPrice").value) = false then
            typOrder.curPrice = _
                rstOrder.fields("fldPrice").value
        end if
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
        if isnull(rstTBLProduct.fields("Name").value) = false then
            typTBLProduct.strName = _
                rstTBLProduct.fields("Name").value
        end if
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
        if isnull(rstStaff.fields("fldName").value) = false then
            typStaff.strName = _
                rstStaff.fields("fldName").value ' 氏名
        end if
        if isnull(rstStaff.fields("fldKana").value) = false then
            typStaff.strKana = _
                rstStaff.fields("fldKana").value ' フリガナ
        end if
        if isnull(rstStaff.fields("fldBirth").value) = false then
            typStaff.datBirth = _
                rstStaff.fields("fldBirth").value ' 生年月日
        end if
        if isnull(rstStaff.fields("fldSalary").value) = false then
            typStaff.curSalary = _
                rstStaff.fields("fldSalary").value
        end if
        if isnull(rstStaff.fields("fldActive").value) = false then
            typStaff.bolActive = _
                rstStaff.fields("fldActive").value
        end if
        if isnull(rstStaff.fields("fldDeptCode").value) = false then
            typStaff.intDeptCode = _
                rstStaff.fields("fldDeptCode").value
        end if
        if isnull(rstStaff.fields("fldGrade").value) = false then
            typStaff.bytGrade = _
                rstStaff.fields("fldGrade").value
        end if
        if isnull(rstStaff.fields("fldRate").value) = false then
            typStaff.dblRate = _
                rstStaff.fields("fldRate").value
        end if
        if isnull(rstStaff.fields("fldRatio").value) = false then
            typStaff.sglRatio = _
                rstStaff.fields("fldRatio").value
        end if
        if isnull(rstStaff.fields("fldNote").value) = false then
            typStaff.strNote = _
                rstStaff.fields("fldNote").value ' 備考
        end if
        if isnull(rstStaff.fields("fldPhoto").value) = false then
            typStaff.Photo = _
                rstStaff.fields("fldPhoto").value
        end if
        if isnull(rstStaff.fields("fldGuid").value) = false then
            typStaff.Guid = _
                rstStaff.fields("fldGuid").value
        end if
        if isnull(rstStaff.fields("fldAmount").value) = false then
            typStaff.Amount = _
                rstStaff.fields("fldAmount").value
        end if
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
        if isnull(rst商品.fields("商品名").value) = false then
            typ商品.str商品名 = _
                rst商品.fields("商品名").value ' 商品名
        end if
        if isnull(rst商品.fields("単価").value) = false then
            typ商品.cur単価 = _
                rst商品.fields("単価").value
        end if
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
        rstCustomer.fields("CustomerCode").value = _
            typCustomer.strCustomerCode
    end if
    if typCustomer.strCustomerName <> "" then 
        rstCustomer.fields("CustomerName").value = _
            typCustomer.strCustomerName
    end if
    if typCustomer.strAddress <> "" then 
        rstCustomer.fields("Address").value = _
            typCustomer.strAddress
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
    rstHistory.fields("fldWhen").value = typHistory.datWhen
    if typHistory.strWhat <> "" then 
        rstHistory.fields("fldWhat").value = _
            typHistory.strWhat
    end if
    if typHistory.strWho <> "" then 
        rstHistory.fields("fldWho").value = _
            typHistory.strWho
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
    rstOrder.fields("fldOrderNo").value = typOrder.lngOrderNo
    rstOrder.fields("fldLine").value = typOrder.intLine
    rstOrder.fields("fld受注日").value = typOrder.dat受注日 ' 受注日
    if typOrder.strItemCode <> "" then 
        rstOrder.fields("fldItemCode").value = _
            typOrder.strItemCode
    end if
    rstOrder.fields("fldQty").value = typOrder.lngQty
    rstOrder.fields("fldPrice").value = typOrder.curPrice
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
        rstTBLProduct.fields("Code").value = _
            typTBLProduct.strCode
    end if
    if typTBLProduct.strName <> "" then 
        rstTBLProduct.fields("Name").value = _
            typTBLProduct.strName
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
    rstStaff.fields("fldID").value = typStaff.lngID
    if typStaff.strName <> "" then 
        rstStaff.fields("fldName").value = _
            typStaff.strName            ' 氏名
    end if
    rstStaff.fields("fldKana").value = typStaff.strKana ' フリガナ
    rstStaff.fields("fldBirth").value = typStaff.datBirth ' 生年月日
    rstStaff.fields("fldSalary").value = typStaff.curSalary
    rstStaff.fields("fldActive").value = typStaff.bolActive
    rstStaff.fields("fldDeptCode").value = typStaff.intDeptCode
    rstStaff.fields("fldGrade").value = typStaff.bytGrade
    rstStaff.fields("fldRate").value = typStaff.dblRate
    rstStaff.fields("fldRatio").value = typStaff.sglRatio
    if typStaff.strNote <> "" then 
        rstStaff.fields("fldNote").value = _
            typStaff.strNote            ' 備考
    end if
    rstStaff.fields("fldPhoto").value = typStaff.Photo
    rstStaff.fields("fldGuid").value = typStaff.Guid
    rstStaff.fields("fldAmount").value = typStaff.Amount
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
        rst商品.fields("商品コード").value = _
            typ商品.str商品コード       ' 商品コード
    end if
    if typ商品.str商品名 <> "" then 
        rst商品.fields("商品名").value = _
            typ商品.str商品名           ' 商品名
    end if
    rst商品.fields("単価").value = typ商品.cur単価
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
