// Members of the collection class. Add takes the item key, one argument per
// field in field order and the optional collection key; the collection read
// method calls it in exactly that order.
#include "gen/class/collection_members.h"

namespace schemist {
namespace {

void writeAdd(SourcePrinter& p, const VbTable& table)
{
    const TemplateVars item = {{"item", table.itemClass}};
    p.fixedBlock(R"(

Public Function Add(Key As String, _
)");
    for (const VbField& f : table.fields)
        p.printAt(20, "$name$, _", {{"name", f.typedName}});
    p.fixedBlock(R"(
                    Optional sKey As String) As $item$
    '新規ｵﾌﾞｼﾞｪｸﾄを作成します。
    Dim objNewMember As $item$
    Set objNewMember = New $item$

    'ﾒｿｯﾄﾞに渡すﾌﾟﾛﾊﾟﾃｨを設定します。
    objNewMember.Key = Key
)",
                 item);
    for (const VbField& f : table.fields)
        p.printAt(4, "objNewMember.$name$ = $name$", {{"name", f.typedName}});
    p.fixedBlock(R"(

    If Len(sKey) = 0 Then
        mCol.Add objNewMember
    Else
        mCol.Add objNewMember, sKey
    End If

    '作成されたｵﾌﾞｼﾞｪｸﾄを返します。
    Set Add = objNewMember
    Set objNewMember = Nothing

End Function
)");
}

// Item, Count, Remove, NewEnum, and the creation and release of the
// Collection. Item's second comment line stands in column 1, unlike the
// same line in Remove. The member flags value is printed as a number, with
// a blank before and after it.
void writeFixedMembers(SourcePrinter& p, const VbTable& table)
{
    p.fixedBlock(R"(

Public Property Get Item(vntIndexKey As Variant) As $item$
Attribute Item.VB_UserMemId = 0
    'ｺﾚｸｼｮﾝの要素を参照するときに使用します。
'vntIndexKey は ｲﾝﾃﾞｯｸｽまたはｷｰのどちらかを
    '保持するために Variant で宣言されています。
    '構文: Set foo = x.Item(xyz) または Set foo = x.Item(5)
  Set Item = mCol(vntIndexKey)
End Property

Public Property Get Count() As Long
    'ｺﾚｸｼｮﾝの要素数を取得するときに使用します。
    '構文: Debug.Print x.Count
    Count = mCol.Count
End Property

Public Sub Remove(vntIndexKey As Variant)
    'ｺﾚｸｼｮﾝから要素を削除するときに使用します。
    'vntIndexKey は ｲﾝﾃﾞｯｸｽまたはｷｰのどちらかを
    '保持するために Variant で宣言されています。
    '構文: x.Remove(xyz)

    mCol.Remove vntIndexKey
End Sub

Public Property Get NewEnum() As IUnknown
Attribute NewEnum.VB_UserMemId = -4
Attribute NewEnum.VB_MemberFlags = $flags$
    'このﾌﾟﾛﾊﾟﾃｨは、For...Each 構文を使用して
    'ｺﾚｸｼｮﾝを列挙できるようにします。
    Set NewEnum = mCol.[_NewEnum]
End Property

Private Sub Class_Initialize()
    'このｸﾗｽが作成されたときに、ｺﾚｸｼｮﾝを作成します。
    Set mCol = New Collection
End Sub

Private Sub Class_Terminate()
    'このｸﾗｽが終了するときに、ｺﾚｸｼｮﾝを破棄します。
    Set mCol = Nothing
End Sub
)",
                 {{"item", table.itemClass}, {"flags", " 40 "}});
}

}  // namespace

void WriteCollectionMembers(SourcePrinter& p, const VbTable& table)
{
    writeAdd(p, table);
    writeFixedMembers(p, table);
}

}  // namespace schemist
