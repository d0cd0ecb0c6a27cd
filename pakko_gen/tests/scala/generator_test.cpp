#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "golden.hpp"
#include "pakko_gen/scala/generator.hpp"
#include "pakko_gen/scala/names.hpp"
#include "pakko_gen/scala/statements.hpp"
#include "synthetic_schemas.hpp"

namespace {

namespace t = pakko_gen::testing;
namespace scala = pakko_gen::scala;

TEST(ScalaGenerator, SyntheticSchemasMatchTheirGoldenText) {
    t::expect_golden(t::generate<scala::Generator>(t::synthetic_roots()), t::golden_root() / "scala",
                     {"util/StreamUtil.scala"});
}

// Inner containers reuse the names "value" and "key", each shadowing the outer one.
TEST(ScalaGenerator, NestedContainersShadowTheirElementNames) {
    const auto schema = t::option(t::vec(t::option(t::int32())));
    EXPECT_EQ(scala::type_name(*schema), "Option[Seq[Option[Int]]]");
    pakko_gen::Writer written;
    scala::statements::write(written, "counts", *schema);
    EXPECT_EQ(std::move(written).take_text(),
              "counts match {\n"
              "    case None => StreamUtil.writeBoolean(stream, false)\n"
              "    case Some(value) => {\n"
              "        StreamUtil.writeBoolean(stream, true)\n"
              "        StreamUtil.writeInt(stream, value.length)\n"
              "        value.foreach { value =>\n"
              "            value match {\n"
              "                case None => StreamUtil.writeBoolean(stream, false)\n"
              "                case Some(value) => {\n"
              "                    StreamUtil.writeBoolean(stream, true)\n"
              "                    StreamUtil.writeInt(stream, value)\n"
              "                }\n"
              "            }\n"
              "        }\n"
              "    }\n"
              "}\n");
    pakko_gen::Writer read;
    scala::statements::read(read, *t::map(t::int32(), schema));
    EXPECT_EQ(std::move(read).take_text(),
              "(0 until StreamUtil.readSize(stream)).map { _ => (\n"
              "    StreamUtil.readInt(stream)\n"
              "    ,\n"
              "    if (StreamUtil.readBoolean(stream)) Some(\n"
              "        (0 until StreamUtil.readSize(stream)).map { _ =>\n"
              "            if (StreamUtil.readBoolean(stream)) Some(\n"
              "                StreamUtil.readInt(stream)\n"
              "            ) else None\n"
              "        }\n"
              "    ) else None\n"
              ")}.toMap\n");
}

TEST(ScalaGenerator, AnEmptyEnumerationKeepsOnlyItsDefaultCase) {
    auto result = t::generate<scala::Generator>({t::enumeration("Empty", {})});
    ASSERT_EQ(result.files.size(), 2u);
    EXPECT_EQ(result.files[0].path, "model/Empty.scala");
    EXPECT_NE(result.files[0].content.find(
                  "object Empty {\n"
                  "    def readFrom(stream: java.io.InputStream): Empty = StreamUtil.readInt(stream) match {\n"
                  "        case _ => throw new java.io.IOException(\"Unexpected tag value\")\n"
                  "    }\n"
                  "}\n"),
              std::string::npos)
        << result.files[0].content;
}

}  // namespace
