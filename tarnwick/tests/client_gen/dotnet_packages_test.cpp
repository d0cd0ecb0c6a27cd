// The fixed files of the C# and F# packages, and the F# compile order.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tarnwick/client_gen/fsharp_package.hpp"
#include "tarnwick/client_gen/templates.hpp"

namespace {

using namespace tarnwick::client_gen;

TEST(DotnetPackages, StoredFilesKeepTheirLineEnds) {
    struct Case {
        const char* path;
        bool crlf;
        bool final_end;
        std::size_t bytes;  // 0 where the size is our own
    };
    const Case cases[] = {
        {"csharp/Runner.cs", false, false, 0},     {"csharp/DebugInterface.cs", true, false, 0},
        {"csharp/MyStrategy.cs", false, false, 458}, {"csharp/project.csproj", false, false, 233},
        {"csharp/Dockerfile", false, false, 0},    {"fsharp/DebugInterface.fs", true, true, 0},
        {"fsharp/Runner.fs", false, true, 0},      {"fsharp/MyStrategy.fs", false, true, 0},
        {"fsharp/project.fsproj", false, false, 290},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const std::string_view text = client_template(c.path);
        std::size_t line_feeds = 0;
        std::size_t crlfs = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '\n') continue;
            ++line_feeds;
            if (i > 0 && text[i - 1] == '\r') ++crlfs;
        }
        EXPECT_EQ(crlfs, c.crlf ? line_feeds : 0);
        EXPECT_EQ(text.find('\r') == std::string_view::npos, !c.crlf);
        EXPECT_EQ(text.ends_with('\n'), c.final_end);
        if (c.bytes != 0) {
            EXPECT_EQ(text.size(), c.bytes);
        }
    }
    // The install script is fetched from its "/v1/dotnet-install.sh" path.
    EXPECT_NE(client_template("csharp/Dockerfile").find("/v1/dotnet-install.sh && chmod +x dotnet-install.sh\n"),
              std::string_view::npos);
}

TEST(DotnetPackages, FSharpCompilesTheModelInItsOrderThenTheFixedSources) {
    pakko_gen::GenResult model;
    model.add("Model/Vec2Int.fs", "");
    model.add("Model/Entity.fs", "");
    model.add("Model/Action.fs", "");
    model.add("notes.txt", "");
    EXPECT_EQ(fsharp_package::compile_items(model),
              "<Compile Include=\"Model/Vec2Int.fs\" />\n"
              "        <Compile Include=\"Model/Entity.fs\" />\n"
              "        <Compile Include=\"Model/Action.fs\" />\n"
              "        <Compile Include=\"DebugInterface.fs\" />\n"
              "        <Compile Include=\"MyStrategy.fs\" />\n"
              "        <Compile Include=\"Runner.fs\" />");
}

TEST(DotnetPackages, BuildAndRunUseDotnetInThePackage) {
    const ClientGenOptions options{"velmora", "/tmp/package", "0.1.0"};
    EXPECT_EQ(dotnet::run_local(options), (Command{"dotnet", {"run", "-c", "Release"}, options.target_dir}));
    const auto files = dotnet::image_files("MyStrategy.fs");
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[1].text.size(), 232u);
    EXPECT_TRUE(files[1].text.ends_with("cp -f /src/MyStrategy.fs MyStrategy.fs\n    else\n        rm -rf ./*\n"
                                        "        cp -rf /src/* ./\n    fi\nfi\n\ndotnet publish -c Release -o /output/"));
    EXPECT_EQ(files[2].text, "set -ex\n\ncd /output\ndotnet ./project_name.dll \"$@\"");
}

}  // namespace
