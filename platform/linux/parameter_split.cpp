#include "platform/linux/parameter_split.h"

namespace platform::host {

std::vector<std::string> SplitParameters(std::string_view parameters) {
  std::vector<std::string> args;
  std::string arg;
  bool inArg = false;  // also true for an argument that is an empty pair of quotes
  bool quoted = false;
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const char c = parameters[i];
    if (c == '"') {
      inArg = true;
      if (quoted && i + 1 < parameters.size() && parameters[i + 1] == '"') {
        arg += '"';
        ++i;
      } else {
        quoted = !quoted;
      }
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inArg) args.push_back(std::move(arg));
      arg.clear();
      inArg = false;
    } else {
      arg += c;
      inArg = true;
    }
  }
  if (inArg) args.push_back(std::move(arg));
  return args;
}

}  // namespace platform::host
