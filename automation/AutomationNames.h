#pragma once

// The names clients bind to. They never change: lab systems hard-code them.

inline constexpr const char* AutomationBusName = "com.korvane.Bramblex";
inline constexpr const char* FactoryObjectPath = "/com/korvane/Bramblex";
inline constexpr const char* FactoryInterfaceName = "com.korvane.Bramblex.Factory";
// Between the program's own processes only: a CreateInstance passed on for a client.
inline constexpr const char* RelayInterfaceName = "com.korvane.Bramblex.Relay";
inline constexpr const char* InstanceObjectPath = "/BramblexInterface";
inline constexpr const char* InstanceInterfaceName = "com.korvane.Bramblex.IBramblexInterface";
// Every failure of a method reaches the client under this error name, its message the
// operator's text.
inline constexpr const char* UnexpectedErrorName = "com.korvane.Bramblex.Error.Unexpected";
// The annotation that carries the help strings in the introspection data.
inline constexpr const char* HelpStringAnnotation = "org.gtk.GDBus.DocString";
