#pragma once
#include <cstddef>
#include <memory>
#include <string_view>

#include "text/gbk_text.h"

namespace guwen {

// The column layout's preparation in one pass: the same bytes as
//   removeAllSpaces?(removeLineBreaks(toFullWidth(toTraditional?(source)))).
// The steps can be fused because none of them changes where units begin:
// the traditional forms and the full-width forms are two-byte units again,
// a CR LF pair is two one-byte units, and the only unit any step drops is a
// lead byte dangling at the very end.
//
// The bytes live in a plain buffer, not a GbkText: the buffer is sized for
// the worst case (every byte doubled) and need not be cleared first.
class PreparedSource {
  public:
    explicit PreparedSource(std::size_t capacity) : bytes_(new char[capacity]) {}
    [[nodiscard]] std::string_view view() const { return {bytes_.get(), size_}; }
    [[nodiscard]] char* data() { return bytes_.get(); }
    void setSize(std::size_t size) { size_ = size; }

  private:
    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0;
};

PreparedSource prepareColumnSource(std::string_view source, bool traditional, bool removeSpaces);

}  // namespace guwen
