#include "skin/archive/SkinMessages.h"

#include <utility>

namespace SkinMessages {

namespace {
THandler& Installed() {
  static THandler handler;
  return handler;
}
}  // namespace

THandler SetHandler(THandler Handler) {
  return std::exchange(Installed(), std::move(Handler));
}

void Show(const std::string& Text) {
  if (const THandler& handler = Installed()) handler(Text);
}

}  // namespace SkinMessages
