#include "platform/out_of_memory.h"

#include "text/cp932.h"

namespace veldor {

Message OutOfMemoryMessage(const std::filesystem::path& path) {
  return Message{"メモリ不足", PathToUtf8(path) + "\r\nを処理するためのメモリが足りませんでした。",
                 Icon::Exclamation, Buttons::Ok, false};
}

}  // namespace veldor
