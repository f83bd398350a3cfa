#pragma once

#include <string>

// Message boxes as plain requests, so that the engine and its tests never touch a widget.
// The window shows them; tests answer them from a script and record what was asked.

enum class MsgType { Plain, Information, Warning, Error, Confirmation };

enum class MsgButtons { Ok, OkHelp, YesNoCancel, YesNo, OkCancel };

// Modal results, numbered as the rest of the program expects them.
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

struct MessageRequest {
    MsgType type = MsgType::Plain;
    std::string title;
    std::string text; // "\r" and "\n" exactly as the message holds them
    MsgButtons buttons = MsgButtons::Ok;
    int helpContext = 0;
};

// The application's title, the caption of its message boxes.
inline const std::string kAppTitle = "Kelvaro";
