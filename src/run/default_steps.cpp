// The reader and generators a run uses unless a test provides its own.
#include "run/run_driver.h"

#include "platform/error.h"

namespace schemist {

SchemaReader defaultSchemaReader()
{
    return [](const std::string& path, const SourceReadOptions&) -> SourceSchema {
        throw Error("データベースを読み込めません: " + path + ": 読み込み機能がありません");
    };
}

GeneratorSlots defaultGenerators()
{
    return {};
}

}  // namespace schemist
