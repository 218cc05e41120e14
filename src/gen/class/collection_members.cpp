// Members of the collection class. Add takes the item key, one argument per
// field in field order and the optional collection key; the collection read
// method calls it in exactly that order.
#include "gen/class/collection_members.h"

namespace schemist {
namespace {

void writeAdd(SourcePrinter& p, const ClassTable& table)
{
    const TemplateVars item = {{"item", table.itemClass}};
    p.blank();
    p.printAt(0, "Public Function Add(Key As String, _");
    for (const ClassField& f : table.fields)
        p.printAt(20, "$name$, _", {{"name", f.property}});
    p.printAt(20, "Optional sKey As String) As $item$", item);
    p.printAt(4, "'新規ｵﾌﾞｼﾞｪｸﾄを作成します。");
    p.printAt(4, "Dim objNewMember As $item$", item);
    p.printAt(4, "Set objNewMember = New $item$", item);
    p.blank();
    p.printAt(4, "'ﾒｿｯﾄﾞに渡すﾌﾟﾛﾊﾟﾃｨを設定します。");
    p.printAt(4, "objNewMember.Key = Key");
    for (const ClassField& f : table.fields)
        p.printAt(4, "objNewMember.$name$ = $name$", {{"name", f.property}});
    p.blank();
    p.printAt(4, "If Len(sKey) = 0 Then");
    p.printAt(8, "mCol.Add objNewMember");
    p.printAt(4, "Else");
    p.printAt(8, "mCol.Add objNewMember, sKey");
    p.printAt(4, "End If");
    p.blank();
    p.printAt(4, "'作成されたｵﾌﾞｼﾞｪｸﾄを返します。");
    p.printAt(4, "Set Add = objNewMember");
    p.printAt(4, "Set objNewMember = Nothing");
    p.blank();
    p.printAt(0, "End Function");
}

void writeItem(SourcePrinter& p, const ClassTable& table)
{
    p.blank();
    p.printAt(0, "Public Property Get Item(vntIndexKey As Variant) As $item$", {{"item", table.itemClass}});
    p.printAt(0, "Attribute Item.VB_UserMemId = 0");
    p.printAt(4, "'ｺﾚｸｼｮﾝの要素を参照するときに使用します。");
    p.printAt(0, "'vntIndexKey は ｲﾝﾃﾞｯｸｽまたはｷｰのどちらかを");
    p.printAt(4, "'保持するために Variant で宣言されています。");
    p.printAt(4, "'構文: Set foo = x.Item(xyz) または Set foo = x.Item(5)");
    p.printAt(2, "Set Item = mCol(vntIndexKey)");
    p.printAt(0, "End Property");
}

void writeCount(SourcePrinter& p)
{
    p.blank();
    p.printAt(0, "Public Property Get Count() As Long");
    p.printAt(4, "'ｺﾚｸｼｮﾝの要素数を取得するときに使用します。");
    p.printAt(4, "'構文: Debug.Print x.Count");
    p.printAt(4, "Count = mCol.Count");
    p.printAt(0, "End Property");
}

void writeRemove(SourcePrinter& p)
{
    p.blank();
    p.printAt(0, "Public Sub Remove(vntIndexKey As Variant)");
    p.printAt(4, "'ｺﾚｸｼｮﾝから要素を削除するときに使用します。");
    p.printAt(4, "'vntIndexKey は ｲﾝﾃﾞｯｸｽまたはｷｰのどちらかを");
    p.printAt(4, "'保持するために Variant で宣言されています。");
    p.printAt(4, "'構文: x.Remove(xyz)");
    p.blank();
    p.printAt(4, "mCol.Remove vntIndexKey");
    p.printAt(0, "End Sub");
}

void writeNewEnum(SourcePrinter& p)
{
    p.blank();
    p.printAt(0, "Public Property Get NewEnum() As IUnknown");
    p.printAt(0, "Attribute NewEnum.VB_UserMemId = -4");
    // The flags value is printed as a number: a blank before and after it.
    p.printAt(0, "Attribute NewEnum.VB_MemberFlags =  40 ");
    p.printAt(4, "'このﾌﾟﾛﾊﾟﾃｨは、For...Each 構文を使用して");
    p.printAt(4, "'ｺﾚｸｼｮﾝを列挙できるようにします。");
    p.printAt(4, "Set NewEnum = mCol.[_NewEnum]");
    p.printAt(0, "End Property");
}

void writeInitializeAndTerminate(SourcePrinter& p)
{
    p.blank();
    p.printAt(0, "Private Sub Class_Initialize()");
    p.printAt(4, "'このｸﾗｽが作成されたときに、ｺﾚｸｼｮﾝを作成します。");
    p.printAt(4, "Set mCol = New Collection");
    p.printAt(0, "End Sub");
    p.blank();
    p.printAt(0, "Private Sub Class_Terminate()");
    p.printAt(4, "'このｸﾗｽが終了するときに、ｺﾚｸｼｮﾝを破棄します。");
    p.printAt(4, "Set mCol = Nothing");
    p.printAt(0, "End Sub");
}

}  // namespace

void WriteCollectionMembers(SourcePrinter& p, const ClassTable& table)
{
    writeAdd(p, table);
    writeItem(p, table);
    writeCount(p);
    writeRemove(p);
    writeNewEnum(p);
    writeInitializeAndTerminate(p);
}

}  // namespace schemist
