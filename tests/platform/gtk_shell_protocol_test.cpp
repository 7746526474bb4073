#include <gtest/gtest.h>
#include <wayland-client.h>

#include <string>

#include "gtk_shell_client.h"

// GNOME reads a request by its number within the interface, so the cut-down protocol the game
// carries must give the two requests it sends the numbers GNOME gives them.
TEST(GtkShellProtocol, RequestsKeepGnomesNumbers) {
    struct TRequest {
        const wl_interface& Interface;
        int Number;
        const char* Name;
        const char* Signature;
    };
    const TRequest requests[] = {
        {gtk_shell1_interface, 0, "get_gtk_surface", "no"},
        {gtk_surface1_interface, 1, "set_modal", ""},
    };
    for (const TRequest& request : requests) {
        SCOPED_TRACE(request.Name);
        ASSERT_GT(request.Interface.method_count, request.Number);
        const wl_message& message = request.Interface.methods[request.Number];
        EXPECT_EQ(std::string(message.name), request.Name);
        EXPECT_EQ(std::string(message.signature), request.Signature);
    }
    // Bound at version 1, GNOME sends no event the carried protocol lacks.
    EXPECT_EQ(gtk_shell1_interface.version, 1);
    EXPECT_EQ(gtk_surface1_interface.version, 1);
}
