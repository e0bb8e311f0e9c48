// The name StringMembers.h gives the library's error exits in place of the failing function's.
// Defined apart from every instantiation: where its empty text is known, the compiler would
// warn of an empty format string in the exits that take one.
extern "C" const char talvekUnnamedLibraryFunction[] = "";
