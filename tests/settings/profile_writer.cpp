// A second copy of the program for the profile store tests, run as a child process:
//   profile_writer keys <file> <prefix> <count>     writes <prefix>1 .. <prefix><count>
//   profile_writer count <file> <times>             adds 1 to "Counter" <times> times, each
//                                                   read-then-write under one ProfileLock
//   profile_writer limited <file> <bytes> <value>   writes "Vrendomaten"/"Visa_splash" with the
//                                                   file size limited, as on a full disk; exits
//                                                   with 4 when the write claims success
#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <string>

#include "settings/profile_store.h"

int main(int argc, char* argv[]) {
    if (argc != 5 && !(argc == 4 && std::string(argv[1]) == "count"))
        return 2;
    const std::string mode = argv[1];
    settings::set_profile_file(argv[2]);
    settings::set_profile_section("Vrendomaten");
    if (mode == "keys") {
        const int count = std::atoi(argv[4]);
        for (int i = 1; i <= count; ++i) {
            settings::set_profile_key(argv[3] + std::to_string(i));
            settings::write_profile(std::to_string(i));
        }
    } else if (mode == "count") {
        settings::set_profile_section("Bookmarks");
        settings::set_profile_key("Counter");
        for (int i = std::atoi(argv[3]); i > 0; --i) {
            settings::ProfileLock lock;
            if (!lock.locked())
                return 3;
            const int counter = std::atoi(settings::read_profile().c_str());
            settings::write_profile(std::to_string(counter + 1));
        }
    } else if (mode == "limited") {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t limit = std::strtoull(argv[3], nullptr, 10);
        const rlimit fsize{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &fsize) != 0)
            return 3;
        settings::set_profile_key("Visa_splash");
        // The failed write must be reported as one.
        if (settings::write_profile(argv[4]))
            return 4;
    } else {
        return 2;
    }
    return 0;
}
