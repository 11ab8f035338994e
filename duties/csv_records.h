#pragma once
// Reads a CSV stream record by record (libcsv: quotes, separators and line breaks inside
// quotes) in blocks, so a file of any length takes no more memory than its longest record.
// Fields come as UTF-8: a file may be UTF-8 (with or without a byte-order mark) or
// Windows-1251. Lines end in LF, CR LF or CR alone, and are numbered from 1 whichever they end
// in; a line break inside quotes is kept as it stands. The separator is ',' unless the first
// line holds ';' and no ','.

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace duties {

struct CsvRecord {
  std::size_t line = 0;  // the line the record starts on
  char separator = ',';  // the file's separator
  std::vector<std::string> fields;
};

// Called for every record; returns false to stop reading.
using CsvRecordHandler = std::function<bool(CsvRecord& record)>;

struct CsvReading {
  bool ok = true;                                 // false when the reader itself failed
  std::optional<std::size_t> unclosedQuoteLine;  // the line of a quote the file never closes
};

// Reads every record up to the end, or up to an opening quote never closed: what follows that
// quote is part of its field, so no record is made of it.
CsvReading readCsvRecords(std::istream& in, const CsvRecordHandler& handler);

}  // namespace duties
