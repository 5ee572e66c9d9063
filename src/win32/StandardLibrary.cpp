// The pieces of the C++ library that the program runs, compiled here with the
// program's own flags: the compilers' prebuilt library is built for the
// Pentium Pro and later, and with exceptions. The program is built without
// them: nothing in it throws or catches, and where the library would throw it
// ends at once, as an exception that nothing catches would end it.
#include <cstdlib>
#include <string>

// Every std::string member the program calls. The library's headers declare
// this instantiation extern, so without it the program would call the
// library's prebuilt copy.
template class std::basic_string<char>;

// The global allocation functions, which the standard lets a program replace.
// The program installs no new-handler, so a failed allocation ends it.
void* operator new(std::size_t size) {
    if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
    std::abort();
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

// Where the library's templates would throw: a string past its largest
// length, a position past its end, an array too long to allocate, an empty
// std::function called. Ending here keeps out the library's exception
// classes and the reference-counted strings they carry their messages in
// (about 58 KB in the i686 program, 38 KB in the x86_64 one).
namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
}  // namespace std
