// Linked into every Windows gauge module: leaves the module without a thread-local storage directory.
//
// The simulator loads gauges with LoadLibrary while it runs. The Windows loaders of its time set up no
// thread-local storage for a DLL loaded that way and, depending on the version, call its TLS callbacks or
// not; a module that carries a TLS directory works on one machine and not on the next. The gauges keep all
// state in plain module variables and start no thread, so they need none of it. The runtime's start-up code
// asks for the callback below only to run thread-local constructors, and skips it when it is null; defining
// it here keeps the runtime's TLS support, and with it the TLS directory, out of the module.

#if defined(_WIN64)
typedef void (*tls_callback)(void* module, unsigned long reason, void* reserved);
#else
typedef void(__stdcall* tls_callback)(void* module, unsigned long reason, void* reserved);
#endif

extern "C" const tls_callback __dyn_tls_init_callback = nullptr;
