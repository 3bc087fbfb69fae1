// SPDX-License-Identifier: MIT
// Built into the test with the sanitizers only, so that it holds however the test is started: by
// ctest or by hand with a seed to repeat.
//
// GCC 12's sanitizer runtime intercepts __tls_get_addr and takes a block of thread-local storage
// that starts 16 bytes into a page for one with glibc 2.19's header, reading the two words before
// it as the block's start and size. Since glibc 2.25 the dynamic linker gets such blocks from plain
// malloc, and those two words are AddressSanitizer's own chunk header: the leak check at exit then
// scans a made-up range and dies ("DTLS 9 at 0x80d-0x80000190f", "Tracer caught signal 11").
// libjpeg, loaded with Qt's JPEG plugin at the first picture read or written, has 8 bytes of
// thread-local storage; whether its block lands on that offset depends on everything allocated
// before it, down to the length of a path in the environment.
//
// Without the interception the leak check loses nothing: it counts whatever the dynamic linker
// allocated, these blocks among them, as reachable and scans it for pointers.
extern "C" const char* __asan_default_options() {
    return "intercept_tls_get_addr=0";
}
