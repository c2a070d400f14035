#include "exchange/PuzzleInput.h"

#include <sys/stat.h>

#include "exchange/PuzzLink.h"
#include "exchange/Pzprv3.h"
#include "io/InputFile.h"
#include "io/Notation.h"
#include "io/PuzzleFile.h"

namespace {

bool EndsWithNoCase(const std::string& name, const char* suffix)
{
    const std::string s(suffix);
    if (name.size() < s.size())
        return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = name[name.size() - s.size() + i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != s[i])
            return false;
    }
    return true;
}

bool StartsWithScheme(const std::string& name)
{
    std::string head = name.substr(0, 8);
    for (char& c : head)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return head.rfind("http://", 0) == 0 || head.rfind("https://", 0) == 0;
}

bool Exists(const std::string& name)
{
    struct stat st {};
    return ::lstat(name.c_str(), &st) == 0;
}

// The operand is the URL itself when it starts with a scheme, or when it
// reads "yinyang/..." and no file of that name exists.
bool IsUrlOperand(const std::string& name)
{
    return StartsWithScheme(name) || (LooksLikePuzzleUrl(name) && !Exists(name));
}

// The format of a text read from a file or standard input: a .pzprv3 file
// is always read as one, anything else by its first line.
InputFormat FormatOfText(const std::string& name, const std::string& text)
{
    if (EndsWithNoCase(name, ".pzprv3") || LooksLikePzprv3(text))
        return InputFormat::Pzprv3;
    return LooksLikePuzzleUrl(text) ? InputFormat::Url : InputFormat::Notation;
}

bool ParseText(const std::string& text, PuzzleInput& in, ReadError& error)
{
    switch (in.format) {
    case InputFormat::Url: return ParsePuzzLinkUrl(text, in.grid, error, &in.warning);
    case InputFormat::Pzprv3: return ParsePzprv3(text, in.grid, error);
    default: return ParseGridNotation(text, in.grid, error);
    }
}

}  // namespace

InputOrigin InputOriginOf(const std::string& operand, InputFormat format)
{
    if (format == InputFormat::Url || (format == InputFormat::Detect && IsUrlOperand(operand)))
        return InputOrigin::Argument;
    return operand == "-" ? InputOrigin::StandardInput : InputOrigin::File;
}

bool ReadPuzzleInput(const std::string& operand, PuzzleInput& out, ReadError& error, InputFormat format)
{
    PuzzleInput in;
    in.name = operand;
    in.origin = InputOriginOf(operand, format);
    if (format == InputFormat::Detect && in.origin == InputOrigin::File && EndsWithNoCase(operand, ".vdr"))
        format = InputFormat::Vdr;
    in.format = format;
    if (format == InputFormat::Vdr) {
        if (!ReadPuzzleFile(operand, in.record, error))
            return false;
        in.hasRecord = true;
        in.grid = GridFromRecord(in.record);
        out = std::move(in);
        return true;
    }
    std::string text;
    if (in.origin == InputOrigin::Argument) {
        text = operand;
        in.format = InputFormat::Url;
    } else if (!ReadInputText(operand, text, error)) {
        return false;
    }
    if (in.format == InputFormat::Detect)
        in.format = FormatOfText(operand, text);
    if (!ParseText(text, in, error))
        return false;
    out = std::move(in);
    return true;
}

bool RecordOfInput(const PuzzleInput& input, PuzzleRecord& out, ReadError& error)
{
    if (input.hasRecord) {
        out = input.record;
        return true;
    }
    return RecordFromGrid(input.grid, out, error);
}
