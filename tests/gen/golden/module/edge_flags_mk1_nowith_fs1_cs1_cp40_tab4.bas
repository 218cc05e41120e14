Attribute VB_Name = "mdlSample"
Option Explicit

' フィールドへの読み書きデータをユーザ定義型へ代入できるように、
' ユーザ定義型を宣言します
public type deftb
    strfl as String * 10
end type
public type def
end type
public type defDept                     ' 部署
    lngDeptID as Long                   ' 部署ID（オートナンバー）
    strDeptName as String * 30          ' 部署名
    strURL as String
    Bin as 未定義
    str_Space_Name as String * 255
    strCode as String * 5
end type
public type defEmp
    lngEmpID as Long
    lngDeptID as Long                   ' 所属部署
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

    dim strSQL as string                ' SQLを一時的に格納
    dim rsttb as recordset              ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    typtb.strfl = ""

    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [tb] "

    set rsttb = dbotb.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rsttb.eof = true then
        tb_Read = false                 ' 該当レコードが無い
    else
        tb_Read = true                  ' 該当レコードが有る

        ' レコードセットから構造体へデータをコピー
        if isnull(rsttb.fields("fl").value) = false then
            typtb.strfl = _
                rsttb.fields("fl").value
        end if
    end if
    rsttb.close
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

    dim strSQL as string                ' SQLを一時的に格納
    dim rst as recordset                ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います

    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [tbl] "

    set rst = dbo.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rst.eof = true then
        tbl_Read = false                ' 該当レコードが無い
    else
        tbl_Read = true                 ' 該当レコードが有る

        ' レコードセットから構造体へデータをコピー
    end if
    rst.close
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

    dim strSQL as string                ' SQLを一時的に格納
    dim rstDept as recordset            ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    typDept.strDeptName = ""            ' 部署名
    typDept.strURL = ""
    typDept
    typDept.str_Space_Name = ""
    typDept.strCode = ""

    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [tblDept] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldDeptID=" & cstr(typDept.lngDeptID) & " " ' 部署ID（オートナンバー）

    set rstDept = dboDept.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rstDept.eof = true then
        tblDept_Read = false            ' 該当レコードが無い
    else
        tblDept_Read = true             ' 該当レコードが有る

        ' レコードセットから構造体へデータをコピー
        if isnull(rstDept.fields("fldDeptName").value) = false then
            typDept.strDeptName = _
                rstDept.fields("fldDeptName").value ' 部署名
        end if
        if isnull(rstDept.fields("fldURL").value) = false then
            typDept.strURL = _
                rstDept.fields("fldURL").value
        end if
        if isnull(rstDept.fields("fldBin").value) = false then
            typDept.Bin = _
                rstDept.fields("fldBin").value
        end if
        if isnull(rstDept.fields("fld Space Name").value) = false then
            typDept.str_Space_Name = _
                rstDept.fields("fld Space Name").value
        end if
        if isnull(rstDept.fields("fldCode").value) = false then
            typDept.strCode = _
                rstDept.fields("fldCode").value
        end if
    end if
    rstDept.close
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

    dim strSQL as string                ' SQLを一時的に格納
    dim rstEmp as recordset             ' レコードセットを一時的に格納

    ' レコードが無い場合に備えて、変数のクリアを行います
    typEmp.lngDeptID = 0                ' 所属部署
    typEmp.strName = ""

    ' 主キーによるレコードアクセス用SQLを作成します
    strSQL = "SELECT * FROM [tblEmp] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldEmpID=" & cstr(typEmp.lngEmpID) & " "

    set rstEmp = dboEmp.openrecordset(strSQL)

    ' レコードが無い場合には、Falseを関数値としてセットして関数を終了します
    ' レコードが有る場合には、Trueを関数値としてセットしてデータを読み込みます
    if rstEmp.eof = true then
        tblEmp_Read = false             ' 該当レコードが無い
    else
        tblEmp_Read = true              ' 該当レコードが有る

        ' レコードセットから構造体へデータをコピー
        if isnull(rstEmp.fields("fldDeptID").value) = false then
            typEmp.lngDeptID = _
                rstEmp.fields("fldDeptID").value ' 所属部署
        end if
        if isnull(rstEmp.fields("fldName").value) = false then
            typEmp.strName = _
                rstEmp.fields("fldName").value
        end if
    end if
    rstEmp.close
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
    strSQL = "SELECT * FROM [tb] "

    set rsttb = dbotb.openrecordset(strSQL)

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rsttb.eof = true then
        rsttb.addnew                    ' 新規追加
    else
        rsttb.edit                      ' 既存変更
    end if

    ' 構造体からレコードセットへデータをコピー
    if typtb.strfl <> "" then 
        rsttb.fields("fl").value = _
            typtb.strfl
    end if
    rsttb.update
    rsttb.close
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
    strSQL = "SELECT * FROM [tbl] "

    set rst = dbo.openrecordset(strSQL)

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rst.eof = true then
        rst.addnew                      ' 新規追加
    else
        rst.edit                        ' 既存変更
    end if

    ' 構造体からレコードセットへデータをコピー
    rst.update
    rst.close
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
    strSQL = "SELECT * FROM [tblDept] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldDeptID=" & cstr(typDept.lngDeptID) & " " ' 部署ID（オートナンバー）

    set rstDept = dboDept.openrecordset(strSQL)

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rstDept.eof = true then
        rstDept.addnew                  ' 新規追加
    else
        rstDept.edit                    ' 既存変更
    end if

    ' 構造体からレコードセットへデータをコピー
    rstDept.fields("fldDeptID").value = typDept.lngDeptID ' 部署ID（オートナンバー）
    rstDept.fields("fldDeptName").value = typDept.strDeptName ' 部署名
    if typDept.strURL <> "" then 
        rstDept.fields("fldURL").value = _
            typDept.strURL
    end if
    rstDept.fields("fldBin").value = typDept.Bin
    if typDept.str_Space_Name <> "" then 
        rstDept.fields("fld Space Name").value = _
            typDept.str_Space_Name
    end if
    rstDept.fields("fldCode").value = typDept.strCode
    rstDept.update
    rstDept.close
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
    strSQL = "SELECT * FROM [tblEmp] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldEmpID=" & cstr(typEmp.lngEmpID) & " "

    set rstEmp = dboEmp.openrecordset(strSQL)

    ' レコードが存在する場合には更新をして、ない場合には追加をします
    if rstEmp.eof = true then
        rstEmp.addnew                   ' 新規追加
    else
        rstEmp.edit                     ' 既存変更
    end if

    ' 構造体からレコードセットへデータをコピー
    rstEmp.fields("fldEmpID").value = typEmp.lngEmpID
    rstEmp.fields("fldDeptID").value = typEmp.lngDeptID ' 所属部署
    if typEmp.strName <> "" then 
        rstEmp.fields("fldName").value = _
            typEmp.strName
    end if
    rstEmp.update
    rstEmp.close
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
    strSQL = "DELETE * FROM [tb] "

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
    strSQL = "DELETE * FROM [tbl] "

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
    strSQL = "DELETE * FROM [tblDept] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldDeptID=" & cstr(typDept.lngDeptID) & " " ' 部署ID（オートナンバー）

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
    strSQL = "DELETE * FROM [tblEmp] "
    strSQL = strSQL & "WHERE "
    strSQL = strSQL & "fldEmpID=" & cstr(typEmp.lngEmpID) & " "

    dboEmp.Execute(strSQL)
end sub
