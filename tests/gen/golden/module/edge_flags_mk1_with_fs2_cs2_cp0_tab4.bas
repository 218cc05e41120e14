Attribute VB_Name = "mdlSample"
Option Explicit

' フィールドへの読み書きデータをユーザ定義型へ代入できるように、
' ユーザ定義型を宣言します
public type deftb
    strfl as String * 10
end type
public type def
end type
public type defDept ' 部署
    lngDeptID as Long ' 部署ID（オートナンバー）
    strDeptName as String * 30 ' 部署名
    strURL as String
    Bin as 未定義
    str_Space_Name as String * 255
    strCode as String * 5
end type
public type defEmp
    lngEmpID as Long
    lngDeptID as Long ' 所属部署
    strName as String * 40
end type

' DAOを使った読み込みルーチンのサンプルです
public function tb_Read(dbotb as database,typtb as deftb) as boolean
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dbotb : データベースオブジェクト(Input)
' typtb : 入出力用構造体(Input/Output)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

    dim strSQL as string ' SQLを一時的に格納
    dim rsttb as recordset ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    with typtb
        .strfl = ""
    end with

    ' 主キーによるレコードアクセス用SQLを作成します
    with typtb
        strSQL = "SELECT * FROM [tb] "
    end with

    set rsttb = dbotb.openrecordset(strSQL)

    with rsttb
        ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
        ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
        if .eof = true then
            tb_Read = false ' 該当レコードが無い
        else
            tb_Read = true ' 該当レコードが有る

            ' レコードセットから構造体へデータをコピー
            typtb.strfl = fncStringNullCheck(![fl])
        end if
        .close
    end with
end function
public function tbl_Read(dbo as database,typ as def) as boolean
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dbo : データベースオブジェクト(Input)
' typ : 入出力用構造体(Input/Output)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

    dim strSQL as string ' SQLを一時的に格納
    dim rst as recordset ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    with typ
    end with

    ' 主キーによるレコードアクセス用SQLを作成します
    with typ
        strSQL = "SELECT * FROM [tbl] "
    end with

    set rst = dbo.openrecordset(strSQL)

    with rst
        ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
        ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
        if .eof = true then
            tbl_Read = false ' 該当レコードが無い
        else
            tbl_Read = true ' 該当レコードが有る

            ' レコードセットから構造体へデータをコピー
        end if
        .close
    end with
end function
public function tblDept_Read(dboDept as database,typDept as defDept) as boolean ' 部署
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboDept : データベースオブジェクト(Input)
' typDept : 入出力用構造体(Input/Output)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

    dim strSQL as string ' SQLを一時的に格納
    dim rstDept as recordset ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    with typDept
        .strDeptName = "" ' 部署名
        .strURL = ""
        
        .str_Space_Name = ""
        .strCode = ""
    end with

    ' 主キーによるレコードアクセス用SQLを作成します
    with typDept
        strSQL = "SELECT * FROM [tblDept] "
        strSQL = strSQL & "WHERE "
        strSQL = strSQL & "fldDeptID=" & cstr(.lngDeptID) & " " ' 部署ID（オートナンバー）
    end with

    set rstDept = dboDept.openrecordset(strSQL)

    with rstDept
        ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
        ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
        if .eof = true then
            tblDept_Read = false ' 該当レコードが無い
        else
            tblDept_Read = true ' 該当レコードが有る

            ' レコードセットから構造体へデータをコピー
            typDept.strDeptName = fncStringNullCheck(![fldDeptName]) ' 部署名
            typDept.strURL = fncStringNullCheck(![fldURL])
            typDept.Bin = ![fldBin]
            typDept.str_Space_Name = fncStringNullCheck(![fld Space Name])
            typDept.strCode = fncStringNullCheck(![fldCode])
        end if
        .close
    end with
end function
public function tblEmp_Read(dboEmp as database,typEmp as defEmp) as boolean
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboEmp : データベースオブジェクト(Input)
' typEmp : 入出力用構造体(Input/Output)
' 戻り値
' True  : 読み込み成功
' False : 読み込みデータ無し（失敗）

    dim strSQL as string ' SQLを一時的に格納
    dim rstEmp as recordset ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    with typEmp
        .lngDeptID = 0 ' 所属部署
        .strName = ""
    end with

    ' 主キーによるレコードアクセス用SQLを作成します
    with typEmp
        strSQL = "SELECT * FROM [tblEmp] "
        strSQL = strSQL & "WHERE "
        strSQL = strSQL & "fldEmpID=" & cstr(.lngEmpID) & " "
    end with

    set rstEmp = dboEmp.openrecordset(strSQL)

    with rstEmp
        ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
        ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
        if .eof = true then
            tblEmp_Read = false ' 該当レコードが無い
        else
            tblEmp_Read = true ' 該当レコードが有る

            ' レコードセットから構造体へデータをコピー
            typEmp.lngDeptID = fncNumericNullCheck(![fldDeptID]) ' 所属部署
            typEmp.strName = fncStringNullCheck(![fldName])
        end if
        .close
    end with
end function

' DAOを使った書き込みルーチンのサンプルです

public sub tb_Write(dbotb as database,typtb as deftb)
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dbotb : データベースオブジェクト(Input)
' typtb : 入力用構造体(Input)

    dim strSQL as string
    dim rsttb as recordset

    ' 主キーによるレコードアクセス用SQLを作成します
    with typtb
        strSQL = "SELECT * FROM [tb] "
    end with

    set rsttb = dbotb.openrecordset(strSQL)

    with rsttb
        ' レコードが存在する場合には更新をして、ない場合には追加をします
        if .eof = true then
            .addnew ' 新規追加
        else
            .edit ' 既存変更
        end if

        ' 構造体からレコードセットへデータをコピー
        if typtb.strfl <> "" then 
            ![fl] = typtb.strfl
        end if
        .update
        .close
    end with
end sub

public sub tbl_Write(dbo as database,typ as def)
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dbo : データベースオブジェクト(Input)
' typ : 入力用構造体(Input)

    dim strSQL as string
    dim rst as recordset

    ' 主キーによるレコードアクセス用SQLを作成します
    with typ
        strSQL = "SELECT * FROM [tbl] "
    end with

    set rst = dbo.openrecordset(strSQL)

    with rst
        ' レコードが存在する場合には更新をして、ない場合には追加をします
        if .eof = true then
            .addnew ' 新規追加
        else
            .edit ' 既存変更
        end if

        ' 構造体からレコードセットへデータをコピー
        .update
        .close
    end with
end sub

public sub tblDept_Write(dboDept as database,typDept as defDept) ' 部署
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboDept : データベースオブジェクト(Input)
' typDept : 入力用構造体(Input)

    dim strSQL as string
    dim rstDept as recordset

    ' 主キーによるレコードアクセス用SQLを作成します
    with typDept
        strSQL = "SELECT * FROM [tblDept] "
        strSQL = strSQL & "WHERE "
        strSQL = strSQL & "fldDeptID=" & cstr(.lngDeptID) & " " ' 部署ID（オートナンバー）
    end with

    set rstDept = dboDept.openrecordset(strSQL)

    with rstDept
        ' レコードが存在する場合には更新をして、ない場合には追加をします
        if .eof = true then
            .addnew ' 新規追加
        else
            .edit ' 既存変更
        end if

        ' 構造体からレコードセットへデータをコピー
        ![fldDeptID] = typDept.lngDeptID ' 部署ID（オートナンバー）
        ![fldDeptName] = typDept.strDeptName ' 部署名
        if typDept.strURL <> "" then 
            ![fldURL] = typDept.strURL
        end if
        ![fldBin] = typDept.Bin
        if typDept.str_Space_Name <> "" then 
            ![fld Space Name] = typDept.str_Space_Name
        end if
        ![fldCode] = typDept.strCode
        .update
        .close
    end with
end sub

public sub tblEmp_Write(dboEmp as database,typEmp as defEmp)
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboEmp : データベースオブジェクト(Input)
' typEmp : 入力用構造体(Input)

    dim strSQL as string
    dim rstEmp as recordset

    ' 主キーによるレコードアクセス用SQLを作成します
    with typEmp
        strSQL = "SELECT * FROM [tblEmp] "
        strSQL = strSQL & "WHERE "
        strSQL = strSQL & "fldEmpID=" & cstr(.lngEmpID) & " "
    end with

    set rstEmp = dboEmp.openrecordset(strSQL)

    with rstEmp
        ' レコードが存在する場合には更新をして、ない場合には追加をします
        if .eof = true then
            .addnew ' 新規追加
        else
            .edit ' 既存変更
        end if

        ' 構造体からレコードセットへデータをコピー
        ![fldEmpID] = typEmp.lngEmpID
        ![fldDeptID] = typEmp.lngDeptID ' 所属部署
        if typEmp.strName <> "" then 
            ![fldName] = typEmp.strName
        end if
        .update
        .close
    end with
end sub

' DAOを使ったレコード削除ルーチンのサンプルです

public sub tb_Delete(dbotb as database,typtb as deftb)
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dbotb : データベースオブジェクト(Input)
' typtb : 入力用構造体(Input)

    dim strSQL as string
    dim rsttb as recordset

    ' 主キーによるレコードアクセス用SQLを作成します
    with typtb
        strSQL = "DELETE * FROM [tb] "
    end with

    dbotb.Execute(strSQL)
end sub

public sub tbl_Delete(dbo as database,typ as def)
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dbo : データベースオブジェクト(Input)
' typ : 入力用構造体(Input)

    dim strSQL as string
    dim rst as recordset

    ' 主キーによるレコードアクセス用SQLを作成します
    with typ
        strSQL = "DELETE * FROM [tbl] "
    end with

    dbo.Execute(strSQL)
end sub

public sub tblDept_Delete(dboDept as database,typDept as defDept) ' 部署
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboDept : データベースオブジェクト(Input)
' typDept : 入力用構造体(Input)

    dim strSQL as string
    dim rstDept as recordset

    ' 主キーによるレコードアクセス用SQLを作成します
    with typDept
        strSQL = "DELETE * FROM [tblDept] "
        strSQL = strSQL & "WHERE "
        strSQL = strSQL & "fldDeptID=" & cstr(.lngDeptID) & " " ' 部署ID（オートナンバー）
    end with

    dboDept.Execute(strSQL)
end sub

public sub tblEmp_Delete(dboEmp as database,typEmp as defEmp)
' 使い方
' 主キーエリアにデータを入れて本サブルーチンをコールする。
' パラメータ説明
' dboEmp : データベースオブジェクト(Input)
' typEmp : 入力用構造体(Input)

    dim strSQL as string
    dim rstEmp as recordset

    ' 主キーによるレコードアクセス用SQLを作成します
    with typEmp
        strSQL = "DELETE * FROM [tblEmp] "
        strSQL = strSQL & "WHERE "
        strSQL = strSQL & "fldEmpID=" & cstr(.lngEmpID) & " "
    end with

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
