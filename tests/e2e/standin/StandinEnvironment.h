#pragma once

#include <windows.h>

#include <string>

namespace standin {

// What the test tells the stand-in, all through the environment.
inline constexpr wchar_t kRecordVariable[] = L"TINTARA_STANDIN_RECORD";
inline constexpr wchar_t kLogVariable[] = L"TINTARA_STANDIN_LOG";
inline constexpr wchar_t kCompositionVariable[] = L"TINTARA_STANDIN_COMPOSITION";
inline constexpr wchar_t kReadVariable[] = L"TINTARA_STANDIN_READ";
inline constexpr wchar_t kPeersVariable[] = L"TINTARA_STANDIN_PEERS";
inline constexpr wchar_t kPeerDelayVariable[] = L"TINTARA_STANDIN_PEER_DELAY_MS";
inline constexpr wchar_t kPeerPauseVariable[] = L"TINTARA_STANDIN_PEER_PAUSE_MS";
inline constexpr wchar_t kPeerRoundsVariable[] = L"TINTARA_STANDIN_PEER_ROUNDS";
inline constexpr wchar_t kSampleEveryVariable[] = L"TINTARA_STANDIN_SAMPLE_EVERY";
inline constexpr wchar_t kPlantedMarkerVariable[] = L"TINTARA_PLANTED_MARKER";

// The variable's value; empty when it is not set.
std::wstring EnvironmentText(const wchar_t* name);

// A whole number (a count, milliseconds) from the environment, or fallback when unset
// or not a number.
DWORD EnvironmentNumber(const wchar_t* name, DWORD fallback);

// Tests hand over Unix paths; Wine reaches the Unix root through drive Z:.
std::wstring ToWindowsPath(std::wstring path);

std::string ToUtf8(const std::wstring& text);

// Appends the line and a newline to the log the test named, if any. Each line goes out
// in one write on a file opened for appending, so lines from two threads never mix.
void AppendLogLine(const std::string& line);

}  // namespace standin
