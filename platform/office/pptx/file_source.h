#pragma once
// The deck file as libzip reads it, in large blocks while it reads on from where it
// stopped (copying a picture), which saves thousands of system calls.
#include <sys/stat.h>
#include <zip.h>

namespace office::pptx {

// Takes over the descriptor: the source closes it when libzip frees the source.
zip_source_t* fileSource(int fd, const struct stat& st, zip_error_t* error);

}  // namespace office::pptx
