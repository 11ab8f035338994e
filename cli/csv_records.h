#pragma once
// Reads a CSV stream record by record (libcsv: quotes, separators and line breaks inside
// quotes), one line at a time, so a file of any length takes no more memory than its longest
// record. Fields come as UTF-8: a file may be UTF-8 (with or without a byte-order mark) or
// Windows-1251, with LF or CR LF line ends. The separator is ',' unless the first line holds
// ';' and no ','.

#include <cstddef>
#include <functional>
#include <istream>
#include <string>
#include <vector>

namespace cli {

// Called for every record with the number of the line it starts on (from 1) and its fields;
// returns false to stop reading.
using CsvRecordHandler = std::function<bool(std::size_t line, std::vector<std::string>& fields)>;

// False when the reader itself failed (out of memory).
bool readCsvRecords(std::istream& in, const CsvRecordHandler& handler);

}  // namespace cli
