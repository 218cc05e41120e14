// The compound document (OLE2 structured storage, version 3 with 512-byte
// sectors) that wraps the BIFF8 "Workbook" stream of an .xls file.
#pragma once

#include <string>
#include <string_view>

namespace schemist::xls {

// The smallest stream kept in regular sectors; shorter ones would belong in
// the mini stream, which this writer does not build.
inline constexpr std::size_t kMiniStreamCutoff = 4096;

// A compound document holding one stream under the root storage. The stream
// must be at least kMiniStreamCutoff bytes long. Files whose allocation table
// outgrows the 109 slots of the header (about 7 MB) get DIFAT sectors.
// No timestamps or class ids are written, so equal input gives equal bytes.
std::string buildCompoundFile(std::u16string_view streamName, std::string_view stream);

}  // namespace schemist::xls
