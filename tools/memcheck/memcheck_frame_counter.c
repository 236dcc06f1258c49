/* For tools/memcheck/memcheck.sh: counts the program's frames by its buffer swaps, into a file. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

void glutSwapBuffers(void) {
    static void (*next)(void);
    static int out = -1;
    static long frames;
    char line[32];
    if (!next) next = (void (*)(void))dlsym(RTLD_NEXT, "glutSwapBuffers");
    if (out < 0) out = open(getenv("TYVOK_FRAME_COUNT_FILE"), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    next();
    int length = snprintf(line, sizeof line, "%ld\n", ++frames);
    if (pwrite(out, line, (size_t)length, 0) < 0) perror("frame count");
}
