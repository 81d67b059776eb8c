// Bytes that came from outside (typed, pasted, a command line) made safe to
// quote in a message: valid UTF-8 stays as it is, any other byte and any
// control character is written as \xNN, so a message never carries raw
// bytes that the toolkit would drop or a terminal would act on.
#pragma once

#include <string>
#include <string_view>

std::string ShowableText(std::string_view bytes);
