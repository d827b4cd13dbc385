#pragma once

// Names of the text-table lines that hold the program's messages, so a
// message is looked up by what it says rather than by its position.
namespace MessageLine {

enum : int {
    CannotCreate = 80,
    CannotOpen = 81,
    CannotRead = 82,
    CannotWrite = 83,
    CannotReplaceItself = 84,
    CannotReplace = 85,
    End = 86, // one past the last line
};

} // namespace MessageLine
