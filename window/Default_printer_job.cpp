#include "Default_printer_job.h"

#include <QPrinter>
#include <dlfcn.h>

#include <stdexcept>
#include <string>

QPrinterInfo Default_printer_info()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw std::runtime_error("There is no default printer currently selected");
    return info;
}

// On a native printer, Qt renders the job into a file and, when the painter
// ends, hands it to the CUPS scheduler (cupsPrintFile) without telling the
// caller whether the scheduler accepted it. The CUPS client library keeps
// the status of this thread's last request; it is read through the library
// that Qt's CUPS support has already loaded (nothing is loaded here, and on a
// platform without CUPS there is nothing to read). The functions are those of
// the library's public C interface: ipp_status_t cupsLastError(void) and
// const char* cupsLastErrorString(void); statuses above 0xff are errors.
void Check_job_accepted(const QPrinter& printer)
{
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return;
    void* library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (library == nullptr)
        return;
    using Status_function = int (*)();
    using Message_function = const char* (*)();
    const auto last_error = reinterpret_cast<Status_function>(dlsym(library, "cupsLastError"));
    const auto last_message = reinterpret_cast<Message_function>(dlsym(library, "cupsLastErrorString"));
    const int status = last_error != nullptr ? last_error() : 0;
    const std::string message = last_message != nullptr && last_message() != nullptr ? last_message() : "";
    dlclose(library);
    constexpr int Last_success_status = 0xff;
    if (status > Last_success_status)
        throw std::runtime_error("The printer did not accept the print job: " + message);
}
