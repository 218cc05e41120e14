// Class attributes and declarations at the top of item and collection classes.
#include "gen/class/class_header.h"

#include "platform/text.h"

namespace schemist {
namespace {

// The lines both classes open with. The description is a string literal:
// the project loader reads VB_Description only in quotes.
void writeClassAttributes(SourcePrinter& p, const std::string& className, const VbTable& table)
{
    p.fixedBlock(R"(
VERSION 1.0 CLASS
BEGIN
  MultiUse = -1  'True
END
Attribute VB_Name = "$class$"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = True
Attribute VB_PredeclaredId = False
Attribute VB_Exposed = False
)",
                 {{"class", vbStringContent(className)}});
    if (!trimBlanks(table.comment).empty())
        p.fixedBlock(R"(Attribute VB_Description = "$comment$")", {{"comment", table.description}});
}

}  // namespace

void WriteClassHeader(SourcePrinter& p, const VbTable& table)
{
    writeClassAttributes(p, table.itemClass, table);
    if (p.settings().collection())
        p.fixedBlock(R"(
Attribute VB_Ext_KEY = "Top_Level" ,"No"
Option Explicit

public Key as string

)");
    else
        p.fixedBlock(R"(
Option Explicit

)");
}

void WriteCollectionHeader(SourcePrinter& p, const VbTable& table)
{
    writeClassAttributes(p, table.collectionClass, table);
    p.fixedBlock(R"(
Attribute VB_Ext_KEY = "Collection" ,"$item$"
Attribute VB_Ext_KEY = "Member0" ,"$item$"
Attribute VB_Ext_KEY = "Top_Level" ,"Yes"
Option Explicit

'ｺﾚｸｼｮﾝを保持するﾛｰｶﾙ変数
Private mCol As Collection
)",
                 {{"item", vbStringContent(table.itemClass)}});
}

}  // namespace schemist
