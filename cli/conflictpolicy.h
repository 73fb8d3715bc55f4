#pragma once

// What a batch does when inputs, or an input and a file already there, come
// to the same PDF name.
enum class ConflictPolicy {
    Overwrite, // the window's way: the later document replaces the earlier
    Skip,      // the first one stands, the others are reported skipped
    Rename,    // "name (2).pdf", "name (3).pdf", ... in input order
};
