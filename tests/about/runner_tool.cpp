// A stand-in for a command-line tool, driven by its first argument:
//   say OUT ERR CODE        write OUT and ERR to the two streams, exit with CODE
//   print COUNT out|err|both
//                           write COUNT bytes to one stream, or to each in turns
//                           of 64 KiB; exit 0
//   hex HEXBYTES            write raw bytes to standard output, exit 0
//   env NAME                write the variable's value, or "(unset)"
//   hang                    wait forever
//   tree PIDFILE obey|ignore exit|stay [session]
//                           start a child that keeps both streams open and waits
//                           forever; write "TOOLPID CHILDPID" to PIDFILE; then exit
//                           or wait forever. With "ignore", both ignore SIGTERM;
//                           with "session", the child leaves for a session of its own.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

static void writeAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n <= 0) {
            std::exit(120);
        }
        data += n;
        size -= size_t(n);
    }
}

static void waitForever()
{
    for (;;) {
        pause();
    }
}

int main(int argc, char **argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "say" && argc == 5) {
        writeAll(1, argv[2], std::strlen(argv[2]));
        writeAll(2, argv[3], std::strlen(argv[3]));
        return std::atoi(argv[4]);
    }
    if (mode == "print" && argc == 4) {
        long long left = std::atoll(argv[2]);
        const std::string stream = argv[3];
        char block[65536];
        std::memset(block, 'x', sizeof block);
        while (left > 0) {
            const size_t n = left < (long long)sizeof block ? size_t(left) : sizeof block;
            if (stream != "err") {
                writeAll(1, block, n);
            }
            if (stream != "out") {
                writeAll(2, block, n);
            }
            left -= (long long)n;
        }
        return 0;
    }
    if (mode == "hex" && argc == 3) {
        std::string bytes;
        for (const char *p = argv[2]; p[0] && p[1]; p += 2) {
            bytes.push_back(char(std::strtol(std::string(p, 2).c_str(), nullptr, 16)));
        }
        writeAll(1, bytes.data(), bytes.size());
        return 0;
    }
    if (mode == "env" && argc == 3) {
        const char *value = std::getenv(argv[2]);
        const std::string text = value ? value : "(unset)";
        writeAll(1, text.data(), text.size());
        return 0;
    }
    if (mode == "hang") {
        waitForever();
    }
    if (mode == "tree" && (argc == 5 || argc == 6)) {
        const bool session = argc == 6 && std::string(argv[5]) == "session";
        if (std::string(argv[3]) == "ignore") {
            signal(SIGTERM, SIG_IGN);
        }
        const pid_t child = fork();
        if (child < 0) {
            return 121;
        }
        if (child == 0) {
            if (session) {
                setsid();
            }
            waitForever();
        }
        const std::string path = argv[2];
        const std::string temporary = path + ".part";
        FILE *file = std::fopen(temporary.c_str(), "w");
        if (!file) {
            return 122;
        }
        std::fprintf(file, "%d %d\n", int(getpid()), int(child));
        std::fclose(file);
        std::rename(temporary.c_str(), path.c_str());
        if (std::string(argv[4]) == "stay") {
            waitForever();
        }
        return 0;
    }
    std::fprintf(stderr, "runner_tool: unknown mode\n");
    return 125;
}
