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

    dim strSQL as string ' SQLを一時的に格納
    dim rstCustomer as recordset ' レコードセットを一時的に格納


    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [Customer] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "CustomerCode='" &  & "' "

    set rstCustomer = dboCustomer.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rstCustomer.eof = true then
        Customer_Read = false ' 該当レコードが無い
    else
        Customer_Read = true ' 該当レコードが有る

        if isnull(rstCustomer![CustomerName]) = false then
             = _
                rstCustomer![CustomerName]
        end if
        if isnull(rstCustomer![Address]) = false then
             = _
                rstCustomer![Address]
        end if
    end if
    rstCustomer.close
end function
public function tblHistory_Read(dboHistory as database) as boolean
' 使い方
' パラメータ説明
' dboHistory : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

    dim strSQL as string ' SQLを一時的に格納
    dim rstHistory as recordset ' レコードセットを一時的に格納


    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [tblHistory] "

    set rstHistory = dboHistory.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rstHistory.eof = true then
        tblHistory_Read = false ' 該当レコードが無い
    else
        tblHistory_Read = true ' 該当レコードが有る

        if isnull(rstHistory![fldWhen]) = false then
             = _
                rstHistory![fldWhen]
        end if
        if isnull(rstHistory![fldWhat]) = false then
             = _
                rstHistory![fldWhat]
        end if
        if isnull(rstHistory![fldWho]) = false then
             = _
                rstHistory![fldWho]
        end if
    end if
    rstHistory.close
end function
public function tblOrder_Read(dboOrder as database) as boolean ' 受注明細
' 使い方
' パラメータ説明
' dboOrder : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

    dim strSQL as string ' SQLを一時的に格納
    dim rstOrder as recordset ' レコードセットを一時的に格納


    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [tblOrder] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldOrderNo=" & cstr() & " "
    strSQL = strSQL & "AND fldLine=" & cstr() & " "

    set rstOrder = dboOrder.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rstOrder.eof = true then
        tblOrder_Read = false ' 該当レコードが無い
    else
        tblOrder_Read = true ' 該当レコードが有る

        if isnull(rstOrder![fld受注日]) = false then
             = _
                rstOrder![fld受注日] ' 受注日
        end if
        if isnull(rstOrder![fldItemCode]) = false then
             = _
                rstOrder![fldItemCode]
        end if
        if isnull(rstOrder![fldQty]) = false then
             = _
                rstOrder![fldQty]
        end if
        if isnull(rstOrder![fldPrice]) = false then
             = _
                rstOrder![fldPrice]
        end if
    end if
    rstOrder.close
end function
public function TBLProduct_Read(dboTBLProduct as database) as boolean
' 使い方
' パラメータ説明
' dboTBLProduct : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

    dim strSQL as string ' SQLを一時的に格納
    dim rstTBLProduct as recordset ' レコードセットを一時的に格納


    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [TBLProduct] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "Code='" &  & "' "

    set rstTBLProduct = dboTBLProduct.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rstTBLProduct.eof = true then
        TBLProduct_Read = false ' 該当レコードが無い
    else
        TBLProduct_Read = true ' 該当レコードが有る

        if isnull(rstTBLProduct![Name]) = false then
             = _
                rstTBLProduct![Name]
        end if
    end if
    rstTBLProduct.close
end function
public function tblStaff_Read(dboStaff as database) as boolean ' 社員マスタ
' 使い方
' パラメータ説明
' dboStaff : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

    dim strSQL as string ' SQLを一時的に格納
    dim rstStaff as recordset ' レコードセットを一時的に格納


    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [tblStaff] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldID=" & cstr() & " "

    set rstStaff = dboStaff.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rstStaff.eof = true then
        tblStaff_Read = false ' 該当レコードが無い
    else
        tblStaff_Read = true ' 該当レコードが有る

        if isnull(rstStaff![fldName]) = false then
             = _
                rstStaff![fldName] ' 氏名
        end if
        if isnull(rstStaff![fldKana]) = false then
             = _
                rstStaff![fldKana] ' フリガナ
        end if
        if isnull(rstStaff![fldBirth]) = false then
             = _
                rstStaff![fldBirth] ' 生年月日
        end if
        if isnull(rstStaff![fldSalary]) = false then
             = _
                rstStaff![fldSalary]
        end if
        if isnull(rstStaff![fldActive]) = false then
             = _
                rstStaff![fldActive]
        end if
        if isnull(rstStaff![fldDeptCode]) = false then
             = _
                rstStaff![fldDeptCode]
        end if
        if isnull(rstStaff![fldGrade]) = false then
             = _
                rstStaff![fldGrade]
        end if
        if isnull(rstStaff![fldRate]) = false then
             = _
                rstStaff![fldRate]
        end if
        if isnull(rstStaff![fldRatio]) = false then
             = _
                rstStaff![fldRatio]
        end if
        if isnull(rstStaff![fldNote]) = false then
             = _
                rstStaff![fldNote] ' 備考
        end if
        if isnull(rstStaff![fldPhoto]) = false then
             = _
                rstStaff![fldPhoto]
        end if
        if isnull(rstStaff![fldGuid]) = false then
             = _
                rstStaff![fldGuid]
        end if
        if isnull(rstStaff![fldAmount]) = false then
             = _
                rstStaff![fldAmount]
        end if
    end if
    rstStaff.close
end function
public function 商品_Read(dbo商品 as database) as boolean ' 商品マスタ
' 使い方
' パラメータ説明
' dbo商品 : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

    dim strSQL as string ' SQLを一時的に格納
    dim rst商品 as recordset ' レコードセットを一時的に格納


    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [商品] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "商品コード='" &  & "' " ' 商品コード

    set rst商品 = dbo商品.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rst商品.eof = true then
        商品_Read = false ' 該当レコードが無い
    else
        商品_Read = true ' 該当レコードが有る

        if isnull(rst商品![商品名]) = false then
             = _
                rst商品![商品名] ' 商品名
        end if
        if isnull(rst商品![単価]) = false then
             = _
                rst商品![単価]
        end if
    end if
    rst商品.close
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

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rstCustomer.eof = true then
        rstCustomer.addnew ' 新規追加
    else
        rstCustomer.edit ' 既存変更
    end if

    if  <> "" then 
        rstCustomer![CustomerCode] = 
    end if
    if  <> "" then 
        rstCustomer![CustomerName] = 
    end if
    if  <> "" then 
        rstCustomer![Address] = 
    end if
    rstCustomer.update
    rstCustomer.close
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

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rstHistory.eof = true then
        rstHistory.addnew ' 新規追加
    else
        rstHistory.edit ' 既存変更
    end if

    rstHistory![fldWhen] = 
    if  <> "" then 
        rstHistory![fldWhat] = 
    end if
    if  <> "" then 
        rstHistory![fldWho] = 
    end if
    rstHistory.update
    rstHistory.close
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

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rstOrder.eof = true then
        rstOrder.addnew ' 新規追加
    else
        rstOrder.edit ' 既存変更
    end if

    rstOrder![fldOrderNo] = 
    rstOrder![fldLine] = 
    rstOrder![fld受注日] =  ' 受注日
    if  <> "" then 
        rstOrder![fldItemCode] = 
    end if
    rstOrder![fldQty] = 
    rstOrder![fldPrice] = 
    rstOrder.update
    rstOrder.close
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

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rstTBLProduct.eof = true then
        rstTBLProduct.addnew ' 新規追加
    else
        rstTBLProduct.edit ' 既存変更
    end if

    if  <> "" then 
        rstTBLProduct![Code] = 
    end if
    if  <> "" then 
        rstTBLProduct![Name] = 
    end if
    rstTBLProduct.update
    rstTBLProduct.close
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

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rstStaff.eof = true then
        rstStaff.addnew ' 新規追加
    else
        rstStaff.edit ' 既存変更
    end if

    rstStaff![fldID] = 
    if  <> "" then 
        rstStaff![fldName] =  ' 氏名
    end if
    rstStaff![fldKana] =  ' フリガナ
    rstStaff![fldBirth] =  ' 生年月日
    rstStaff![fldSalary] = 
    rstStaff![fldActive] = 
    rstStaff![fldDeptCode] = 
    rstStaff![fldGrade] = 
    rstStaff![fldRate] = 
    rstStaff![fldRatio] = 
    if  <> "" then 
        rstStaff![fldNote] =  ' 備考
    end if
    rstStaff![fldPhoto] = 
    rstStaff![fldGuid] = 
    rstStaff![fldAmount] = 
    rstStaff.update
    rstStaff.close
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

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rst商品.eof = true then
        rst商品.addnew ' 新規追加
    else
        rst商品.edit ' 既存変更
    end if

    if  <> "" then 
        rst商品![商品コード] =  ' 商品コード
    end if
    if  <> "" then 
        rst商品![商品名] =  ' 商品名
    end if
    rst商品![単価] = 
    rst商品.update
    rst商品.close
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
