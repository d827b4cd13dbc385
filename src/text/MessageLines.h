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
    CsvFieldCount = 86,
    CsvNotADate = 87,
    CsvBadNumber = 88,
    CsvNumberTwice = 89,
    CsvBadBonus = 90,
    CsvBadSuper = 91,
    CsvDateTwice = 92,
    UpdateLoading = 93,
    UpdateReceived = 94,
    UpdateAccuracy = 95,
    UpdateNotYet = 96,
    UpdateFailed = 97,
    UpdateSilent = 98,
    UpdateTooSlow = 99,
    UpdateTooLarge = 100,
    UpdateConnectionFailed = 101,
    UpdateStoreFailed = 102,
    BadServiceAddress = 103,
    BadProxyPort = 104,
    ShellNoProgram = 105,
    ShellMissingFile = 106,
    ShellNoBrowser = 107,
    DatabaseCopied = 108,
    DatabaseNotCopied = 109,
    DataFolderUnusable = 110,
    DataFolderQuit = 111,
    PathIsAFile = 112,
    UnknownError = 113,
    BadWeight = 114,
    ImportNotAFile = 115,
    ImportTooLarge = 116,
    ImportBadLines = 117,
    ImportBadLine = 118,
    FileNotWritten = 119,
    FileNotRead = 120,
    DamagedRecord = 121,
    DamagedRecords = 122,
    NoBonus = 123,
    NumberTwice = 124,
    BonusAmongNumbers = 125,
    End = 126, // one past the last line
};

} // namespace MessageLine
