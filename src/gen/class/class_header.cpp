// Class attributes and declarations at the top of item and collection classes.
#include "gen/class/class_header.h"

namespace schemist {
namespace {

// The lines both classes open with. The description is a string literal:
// the project loader reads VB_Description only in quotes.
void writeClassAttributes(SourcePrinter& p, const std::string& className, const ClassTable& table)
{
    p.printAt(0, "VERSION 1.0 CLASS");
    p.printAt(0, "BEGIN");
    p.printAt(2, "MultiUse = -1  'True");
    p.printAt(0, "END");
    p.printAt(0, "Attribute VB_Name = \"$class$\"", {{"class", vbStringContent(className)}});
    p.printAt(0, "Attribute VB_GlobalNameSpace = False");
    p.printAt(0, "Attribute VB_Creatable = True");
    p.printAt(0, "Attribute VB_PredeclaredId = False");
    p.printAt(0, "Attribute VB_Exposed = False");
    if (table.hasDescription)
        p.printAt(0, "Attribute VB_Description = \"$comment$\"", {{"comment", table.description}});
}

}  // namespace

void WriteClassHeader(SourcePrinter& p, const ClassTable& table)
{
    bool collection = p.settings().collection();
    writeClassAttributes(p, table.itemClass, table);
    if (collection)
        p.printAt(0, "Attribute VB_Ext_KEY = \"Top_Level\" ,\"No\"");
    p.printAt(0, "Option Explicit");
    if (collection) {
        p.blank();
        p.printAt(0, "public Key as string");
    }
    p.blank();
}

void WriteCollectionHeader(SourcePrinter& p, const ClassTable& table)
{
    std::string item = vbStringContent(table.itemClass);
    writeClassAttributes(p, table.collectionClass, table);
    p.printAt(0, "Attribute VB_Ext_KEY = \"Collection\" ,\"$item$\"", {{"item", item}});
    p.printAt(0, "Attribute VB_Ext_KEY = \"Member0\" ,\"$item$\"", {{"item", item}});
    p.printAt(0, "Attribute VB_Ext_KEY = \"Top_Level\" ,\"Yes\"");
    p.printAt(0, "Option Explicit");
    p.blank();
    p.printAt(0, "'ｺﾚｸｼｮﾝを保持するﾛｰｶﾙ変数");
    p.printAt(0, "Private mCol As Collection");
}

}  // namespace schemist
