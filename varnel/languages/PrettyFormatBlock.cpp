#include "varnel/languages/PrettyFormatBlock.h"

#include "varnel/common/DBC.h"

namespace varnel {

PrettyFormatBlock::PrettyFormatBlock(Type type, const std::wstring& text)
    : type(type), text(text) {}

namespace {

const wchar_t* type_text(PrettyFormatBlock::Type type) {
    switch (type) {
    case PrettyFormatBlock::Normal:
        return L"Normal";
    case PrettyFormatBlock::Escape:
        return L"Escape";
    case PrettyFormatBlock::Special:
        return L"Special";
    }
    DBC_UNREACHABLE();
}

} // namespace

std::wostream& operator<<(std::wostream& out, const PrettyFormatBlock& block) {
    return out << type_text(block.type) << L", " << block.text;
}

} // namespace varnel
