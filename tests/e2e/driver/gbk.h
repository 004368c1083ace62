// The program's texts are GBK byte strings; its windows are Unicode windows, so what another
// process reads from them is UTF-16. Literals in these tests are GBK too, and are widened here
// before they are compared.
#pragma once

#include <string>
#include <string_view>

namespace e2e {

std::wstring WidenGbk(std::string_view gbk);

}  // namespace e2e
