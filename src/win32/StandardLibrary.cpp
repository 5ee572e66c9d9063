// The pieces of the C++ library that the program runs on its normal paths,
// compiled here with the program's own flags. The compilers' prebuilt library
// is built for the Pentium Pro and later; with these the program runs its
// copies instead, and the library's own code runs only while an exception is
// thrown (packaging/throw-only-*.txt lists it).
#include <cstdlib>
#include <new>
#include <string>

// Every std::string member the program calls. The library's headers declare
// this instantiation extern, so without it the program would call the
// library's prebuilt copy.
template class std::basic_string<char>;

// The global allocation functions, which the standard lets a program replace.
// The program installs no new-handler, so a failed allocation throws at once.
void* operator new(std::size_t size) {
    if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

// Where the library's templates would throw: a string or an array past its
// largest length, a position past its end, an empty std::function called. The
// program catches none of these, so it would end in std::terminate anyway;
// ending here keeps out the library's exception classes and the
// reference-counted strings they carry their messages in (about 50 KB).
namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
}  // namespace std
