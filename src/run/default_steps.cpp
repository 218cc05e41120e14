// The reader and generators a run uses unless a test provides its own.
#include "run/run_driver.h"

#include "gen/class/class_modules.h"
#include "gen/module/standard_module.h"
#include "workbook/make_workbook.h"

namespace schemist {

SchemaReader defaultSchemaReader()
{
    // In a child process: a file that would crash or hang the reader ends
    // the operation with a message instead of taking the program down.
    return [](const std::string& path, const SourceReadOptions& options) {
        return readSourceSchemaIsolated(path, options);
    };
}

GeneratorSlots defaultGenerators()
{
    GeneratorSlots slots;
    slots.standardModule = MakeStandardModule;
    slots.classModules = MakeClassModules;
    slots.workbook = BuildWorkbook;
    return slots;
}

}  // namespace schemist
