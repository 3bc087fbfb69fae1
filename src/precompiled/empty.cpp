// SPDX-License-Identifier: MIT
// Nothing of its own: the library exists to precompile its headers for the others.
