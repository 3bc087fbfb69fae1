// SPDX-License-Identifier: MIT
// Links one folder's library, every part of it, with only the libraries it declares: the program
// does nothing, and builds only when the folder uses nothing above it.
int main() {
    return 0;
}
