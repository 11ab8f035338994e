// The standard streams' buffers: what the program writes is kept and handed on in whole lines,
// or in a full buffer cut where no UTF-8 character is split, so a console never gets part of a
// character and a table never arrives byte by byte.

#include <array>
#include <streambuf>
#include <string_view>

#include "platform/console.h"

namespace platform {
namespace {

class LineBlockBuffer final : public std::streambuf {
 public:
  explicit LineBlockBuffer(int stream) : stream_(stream) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

  // Writes everything kept; false once any write failed.
  bool finish(std::string& reason) {
    const bool written = writeOut(pending().size());
    reason = reason_;
    return written && !failed_;
  }

 protected:
  int_type overflow(int_type c) override {
    std::string_view kept = pending();
    const std::size_t lineEnd = kept.rfind('\n');
    if (!writeOut(lineEnd != std::string_view::npos ? lineEnd + 1 : characterBoundary(kept))) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }

  // A flush of the stream: the whole lines go out, a started line waits for its end.
  int sync() override {
    const std::size_t lineEnd = pending().rfind('\n');
    return lineEnd == std::string_view::npos || writeOut(lineEnd + 1) ? 0 : -1;
  }

 private:
  std::string_view pending() const { return {pbase(), static_cast<std::size_t>(pptr() - pbase())}; }

  // The longest start of `bytes` that ends on a whole UTF-8 character: a character whose
  // last bytes are still to come is left for the next write.
  static std::size_t characterBoundary(std::string_view bytes) {
    std::size_t end = bytes.size(), continuations = 0;
    while (continuations < 3 && end > 0 && (static_cast<unsigned char>(bytes[end - 1]) & 0xC0) == 0x80) --end, ++continuations;
    if (end == 0) return bytes.size();
    const auto lead = static_cast<unsigned char>(bytes[end - 1]);
    if (lead < 0xC0) return bytes.size();  // ASCII or stray continuation bytes: nothing to wait for
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    return continuations + 1 >= length ? bytes.size() : end - 1;
  }

  // Writes the first `size` bytes kept and keeps the rest; after a failure nothing more is
  // written (the output is lost, which finish() reports).
  bool writeOut(std::size_t size) {
    const std::string_view kept = pending();
    if (!failed_ && size > 0 && !writeStandardStream(stream_, kept.substr(0, size), reason_)) failed_ = true;
    const std::string_view rest = kept.substr(size);
    std::copy(rest.begin(), rest.end(), buffer_.data());
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    pbump(static_cast<int>(rest.size()));
    return !failed_;
  }

  int stream_;
  std::array<char, 1 << 16> buffer_;
  std::string reason_;
  bool failed_ = false;
};

LineBlockBuffer& outputBuffer() {
  static LineBlockBuffer buffer(1);
  return buffer;
}
LineBlockBuffer& errorBuffer() {
  static LineBlockBuffer buffer(2);
  return buffer;
}

}  // namespace

std::ostream& standardOutput() {
  static std::ostream stream(&outputBuffer());
  return stream;
}

std::ostream& standardError() {
  static std::ostream stream(&errorBuffer());
  return stream;
}

bool finishStandardStreams(std::string& reason) {
  standardOutput().flush();
  standardError().flush();
  std::string errorReason;
  errorBuffer().finish(errorReason);
  return outputBuffer().finish(reason);
}

}  // namespace platform
