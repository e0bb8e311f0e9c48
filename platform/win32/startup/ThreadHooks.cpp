// What the compiler's runtime library (its unwinder, its emulated thread-local storage) asks of
// the C runtime about threads. This program runs a single thread: the runtime needs no locks,
// and no thread-local destructors are registered for threads that end before the process.
extern "C" {

int _CRT_MT = 0;

int __mingwthr_key_dtor(unsigned long, void (*)(void*)) {
    return 0;
}

} // extern "C"
