#pragma once
// Keys and defaults of the settings dialog's values in the settings store.

inline constexpr char kCustomPasswordKey[] = "gui/custom_password";
inline constexpr char kConnectionKey[] = "gui/connection";
inline constexpr char kLanguageKey[] = "gui/language";
inline constexpr char kVerifyKey[] = "gui/verify";

inline constexpr char kDefaultCustomPassword[] = "A7 3E 19 C4";
inline constexpr int kDefaultConnection = 0;
inline constexpr int kDefaultLanguage = 0;
inline constexpr bool kDefaultVerify = true;

// The stored programmer position; a negative one means the first entry.
int storedConnectionPosition();
