#pragma once

class QCoreApplication;

// Who the program is: its title, version and maker, as the splash shows them and as the
// application object reports them.
namespace identity {

inline constexpr const char *Title = "Quillmere";
inline constexpr int Major = 1;
inline constexpr int Minor = 0;
inline constexpr int Revision = 5;
inline constexpr const char *CompanyName = "Dunmarrow";
inline constexpr const char *ProductName = "Quillmere Version 1.03";
inline constexpr const char *FileVersion = "1.00.0005";
inline constexpr const char *FileDescription =
    "A learning tool to help youngsters with understanding the Quillmere.";

// Sets the application's name, version and organisation. The name titles message boxes; window
// titles stay as they are.
void applyTo(QCoreApplication &application);

} // namespace identity
