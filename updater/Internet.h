#pragma once
// WinINet handles, owned and closed by the scope that opened them.
#include "ui/win/Handles.h"

#include <wininet.h>

namespace net {

using unique_hinternet = win::UniqueHandle<HINTERNET, win::HandleTraits<HINTERNET, ::InternetCloseHandle>>;

} // namespace net
