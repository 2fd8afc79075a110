// The portions of macro data: recorded keystrokes, a recorded search, a call of another macro.
#include "macros/MacroPortions.h"

namespace skrivo {

namespace {

void WriteText(TMemoryStream& out, const std::string& text) {
    out.WriteInt32(static_cast<std::int32_t>(text.size()));
    out.WriteBytes(text);
}

bool ReadFlag(TMemoryStream& in) { return in.ReadByte() != 0; }

std::string ReadText(TMemoryStream& in, const char* what) {
    return in.ReadBytes(static_cast<std::size_t>(ReadLength(in, what)));
}

}  // namespace

std::int32_t ReadLength(TMemoryStream& in, const char* what) {
    const std::int32_t length = in.ReadInt32();
    if (length < 0 || static_cast<std::size_t>(length) > in.Remaining())
        throw EMacroDataError(std::string(what) + " length " + std::to_string(length) + " with " +
                              std::to_string(in.Remaining()) + " bytes left");
    return length;
}

void WriteSearchPortion(TMemoryStream& out, const TSearchPortion& p) {
    out.WriteInt32(kSearchPortionTag);
    for (bool flag : {p.caseSensitive, p.wholeWords, p.regularExpression, p.wholeFile, p.forward, p.fromCursor})
        out.WriteByte(flag ? 1 : 0);
    WriteText(out, p.text);
}

void WriteCallPortion(TMemoryStream& out, const TCallPortion& p) {
    out.WriteInt32(kCallPortionTag);
    out.WriteInt32(p.repeatCount);
    out.WriteByte(p.checkOnce ? 1 : 0);
    out.WriteByte(p.stopIfNotMatches ? 1 : 0);
    WriteText(out, p.textAtCursor);
    WriteText(out, p.inner);
}

TSearchPortion ReadSearchPortion(TMemoryStream& in) {
    try {
        TSearchPortion p;
        p.caseSensitive = ReadFlag(in);
        p.wholeWords = ReadFlag(in);
        p.regularExpression = ReadFlag(in);
        p.wholeFile = ReadFlag(in);
        p.forward = ReadFlag(in);
        p.fromCursor = ReadFlag(in);
        p.text = ReadText(in, "search text");
        return p;
    } catch (const EStreamError& e) {
        throw EMacroDataError(std::string("search portion cut short: ") + e.what());
    }
}

TCallPortion ReadCallPortion(TMemoryStream& in) {
    try {
        TCallPortion p;
        p.repeatCount = in.ReadInt32();
        p.checkOnce = ReadFlag(in);
        p.stopIfNotMatches = ReadFlag(in);
        p.textAtCursor = ReadText(in, "condition text");
        p.inner = ReadText(in, "called macro");
        return p;
    } catch (const EStreamError& e) {
        throw EMacroDataError(std::string("macro call portion cut short: ") + e.what());
    }
}

std::string ReadKeystrokePortion(TMemoryStream& in, std::int32_t tag) {
    if (tag < 0) throw EMacroDataError("unknown portion tag " + std::to_string(tag));
    if (static_cast<std::size_t>(tag) > in.Remaining())
        throw EMacroDataError("keystroke portion of " + std::to_string(tag) + " bytes with " +
                              std::to_string(in.Remaining()) + " bytes left");
    return in.ReadBytes(static_cast<std::size_t>(tag));
}

}  // namespace skrivo
