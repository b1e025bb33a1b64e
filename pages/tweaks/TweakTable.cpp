#include "pages/tweaks/TweakTable.h"

#include <cwchar>

namespace tweaks {

void Data::ApplyTo(RegRoot root, const wchar_t* key, const wchar_t* value, Kind kind) const
{
    switch (op_) {
    case Op::Save:
        if (kind == Kind::Dword)
            Registry::SaveDword(root, key, value, static_cast<std::int32_t>(std::wcstoul(text_, nullptr, 10)));
        else
            Registry::SaveString(root, key, value, text_);
        break;
    case Op::Delete:
        Registry::DeleteValue(root, key, value);
        break;
    case Op::Nothing:
        break;
    }
}

std::wstring Row::ReadText() const
{
    if (kind == Kind::Dword)
        return std::to_wstring(Registry::GetDword(root, key, value, 0));
    return Registry::GetString(root, key, value, L"");
}

void Row::Write(bool tickedState) const
{
    (tickedState ? ticked : unticked).ApplyTo(root, key, value, kind);
}

} // namespace tweaks
