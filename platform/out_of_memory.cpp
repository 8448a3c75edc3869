#include "platform/out_of_memory.h"

#include "text/cp932.h"

namespace veldor {

Message OutOfMemoryMessage(const std::filesystem::path& path) {
  return Message{Utf8ToCp932("メモリ不足"),
                 PathToCp932(path) + Utf8ToCp932("\r\nを処理するためのメモリが足りませんでした。"),
                 Icon::Exclamation, Buttons::Ok, false};
}

}  // namespace veldor
