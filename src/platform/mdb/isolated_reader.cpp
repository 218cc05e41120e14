// placeholder
#include "platform/mdb/source_schema.h"
namespace schemist {
SourceSchema readSourceSchemaIsolated(const std::string& path, const SourceReadOptions& options,
                                      std::chrono::milliseconds)
{
    return readSourceSchema(path, options);
}
}
