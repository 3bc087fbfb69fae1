// SPDX-License-Identifier: MIT
// Nothing of its own: the program exists to precompile its headers for the test programs.
int main() {
    return 0;
}
