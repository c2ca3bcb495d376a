#pragma once

// The disc text sets' standard tables (generated, see
// scripts/gen_disc_charset_tables.py): the same bytes on every system, with
// no converter of the platform involved.

#include <cstdint>

namespace orvi::engine::text {

struct CharsetTable {
    const char8_t* singleBytes; // characters of the bytes 0x20.., UTF-8, \177 = none
    uint8_t leadFirst, leadLast;
    uint8_t trails[2][2];       // trail byte ranges, in cell order; {0, 0} = unused
    const char8_t* const* rows; // per lead byte: characters per trail cell, UTF-8
};

const CharsetTable& shiftJisTable();
const CharsetTable& ksc5601Table();
const CharsetTable& gb2312Table();
const CharsetTable& big5Table();

} // namespace orvi::engine::text
