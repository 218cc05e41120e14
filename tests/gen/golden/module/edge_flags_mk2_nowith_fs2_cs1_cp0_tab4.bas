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

    dim strSQL as string ' SQLを一時的に格納
    dim rsttb as recordset ' レコードセットを一時的に格納


    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [tb] "

    set rsttb = dbotb.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rsttb.eof = true then
        tb_Read = false ' 該当レコードが無い
    else
        tb_Read = true ' 該当レコードが有る

        if isnull(rsttb![fl]) = false then
             = _
                rsttb![fl]
        end if
    end if
    rsttb.close
end function
public function tbl_Read(dbo as database) as boolean
' 使い方
' パラメータ説明
' dbo : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

    dim strSQL as string ' SQLを一時的に格納
    dim rst as recordset ' レコードセットを一時的に格納


    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [tbl] "

    set rst = dbo.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rst.eof = true then
        tbl_Read = false ' 該当レコードが無い
    else
        tbl_Read = true ' 該当レコードが有る

    end if
    rst.close
end function
public function tblDept_Read(dboDept as database) as boolean ' 部署
' 使い方
' パラメータ説明
' dboDept : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

    dim strSQL as string ' SQLを一時的に格納
    dim rstDept as recordset ' レコードセットを一時的に格納


    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [tblDept] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldDeptID=" & cstr() & " " ' 部署ID（オートナンバー）

    set rstDept = dboDept.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rstDept.eof = true then
        tblDept_Read = false ' 該当レコードが無い
    else
        tblDept_Read = true ' 該当レコードが有る

        if isnull(rstDept![fldDeptName]) = false then
             = _
                rstDept![fldDeptName] ' 部署名
        end if
        if isnull(rstDept![fldURL]) = false then
             = _
                rstDept![fldURL]
        end if
        if isnull(rstDept![fldBin]) = false then
             = _
                rstDept![fldBin]
        end if
        if isnull(rstDept![fld Space Name]) = false then
             = _
                rstDept![fld Space Name]
        end if
        if isnull(rstDept![fldCode]) = false then
             = _
                rstDept![fldCode]
        end if
    end if
    rstDept.close
end function
public function tblEmp_Read(dboEmp as database) as boolean
' 使い方
' パラメータ説明
' dboEmp : データベースオブジェクト(Input)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

    dim strSQL as string ' SQLを一時的に格納
    dim rstEmp as recordset ' レコードセットを一時的に格納


    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [tblEmp] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldEmpID=" & cstr() & " "

    set rstEmp = dboEmp.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rstEmp.eof = true then
        tblEmp_Read = false ' 該当レコードが無い
    else
        tblEmp_Read = true ' 該当レコードが有る

        if isnull(rstEmp![fldDeptID]) = false then
             = _
                rstEmp![fldDeptID] ' 所属部署
        end if
        if isnull(rstEmp![fldName]) = false then
             = _
                rstEmp![fldName]
        end if
    end if
    rstEmp.close
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

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rsttb.eof = true then
        rsttb.addnew ' 新規追加
    else
        rsttb.edit ' 既存変更
    end if

    if  <> "" then 
        rsttb![fl] = 
    end if
    rsttb.update
    rsttb.close
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

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rst.eof = true then
        rst.addnew ' 新規追加
    else
        rst.edit ' 既存変更
    end if

    rst.update
    rst.close
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

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rstDept.eof = true then
        rstDept.addnew ' 新規追加
    else
        rstDept.edit ' 既存変更
    end if

    rstDept![fldDeptID] =  ' 部署ID（オートナンバー）
    rstDept![fldDeptName] =  ' 部署名
    if  <> "" then 
        rstDept![fldURL] = 
    end if
    rstDept![fldBin] = 
    if  <> "" then 
        rstDept![fld Space Name] = 
    end if
    rstDept![fldCode] = 
    rstDept.update
    rstDept.close
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

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rstEmp.eof = true then
        rstEmp.addnew ' 新規追加
    else
        rstEmp.edit ' 既存変更
    end if

    rstEmp![fldEmpID] = 
    rstEmp![fldDeptID] =  ' 所属部署
    if  <> "" then 
        rstEmp![fldName] = 
    end if
    rstEmp.update
    rstEmp.close
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
