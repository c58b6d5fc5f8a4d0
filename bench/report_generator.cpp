// Writes solver-like run reports for the benchmark: a 14-line header, commands and
// prompts, numbers, frames drawn with DOS box bytes, bars, blank lines, an end marker
// near the end. Or a report whose body is one long line of prompts or of box bytes.
//
//   vor_bench_report report SIZE_MB FILE
//   vor_bench_report prompt-line SIZE_MB FILE
//   vor_bench_report box-line SIZE_MB FILE
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kMegabyte = 1024 * 1024;

std::string Header() {
  std::string header;
  header += "MIRT/VOR  wersja 1.1\r\n";
  header += "Raport wykonania zadania\r\n";
  for (int i = 3; i <= 14; ++i) header += "naglowek " + std::to_string(i) + "\r\n";
  return header;
}

std::string Number(std::mt19937& random) {
  std::uniform_real_distribution<double> mantissa(-9.99, 9.99);
  std::uniform_int_distribution<int> exponent(-12, 12);
  char text[32];
  std::snprintf(text, sizeof text, "% .5fE%+03d", mantissa(random), exponent(random));
  return text;
}

std::string Frame(std::mt19937& random) {
  const std::string edge(36, '\xC4');
  std::string block = "   \xDA" + edge + "\xBF\r\n";
  std::uniform_int_distribution<int> rows(2, 6);
  for (int r = rows(random); r > 0; --r) {
    block += "   \xB3 x" + std::to_string(r) + " = " + Number(random) + "            \xB3\r\n";
  }
  return block + "   \xC0" + edge + "\xD9\r\n";
}

// One stretch of a solver run: a command, its prompts and answers, results.
std::string Block(std::mt19937& random) {
  std::uniform_int_distribution<int> kind(0, 9);
  switch (kind(random)) {
    case 0: return "VOR> WCZYTAJ most.dane\r\nVOR> LICZ\r\n";
    case 1: return "  REAL> " + Number(random) + "\r\n";
    case 2: return "INTEGER> 3 REAL> " + Number(random) + "\r\n";
    case 3: return "Podaj WIERSZ nr 2 macierzy\r\nPodaj KOLUMNE nr 1\r\nNacisnij <Enter>\r\n";
    case 4: return Frame(random);
    case 5: return "\r\n\r\n";
    case 6: return "Uwaga!! Wyznacznik bliski zera: " + Number(random) + "\r\n";
    case 7: return " \xB3 Wynik oblicze\xF1 \xB3 " + Number(random) + " \xB3\r\n";
    default: {
      std::string row = "  ";
      for (int c = 0; c < 5; ++c) row += Number(random) + "  ";
      return row + "\r\n";
    }
  }
}

std::string Tail() {
  return "WYKONANO WSZYSTKIE KOMENDY ZAPISANE W PLIKU most.vor\r\n"
         "VOR> KONIEC\r\nten wiersz nie jest pokazywany\r\n\x1A";
}

bool Write(std::FILE* file, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool WriteReport(std::FILE* file, std::size_t size) {
  std::mt19937 random(1250);
  std::string chunk = Header();
  std::size_t written = 0;
  const std::size_t body = size > 1024 ? size - 1024 : 0;
  while (written + chunk.size() < body) {
    chunk += Block(random);
    if (chunk.size() < 64 * 1024) continue;
    if (!Write(file, chunk)) return false;
    written += chunk.size();
    chunk.clear();
  }
  return Write(file, chunk + Tail());
}

// One line of `piece` repeated to about `size` bytes, between `head` and "koniec".
bool WriteLongLine(std::FILE* file, std::size_t size, std::string_view head,
                   std::string_view piece, std::string_view closing) {
  std::string line(head);
  line.reserve(size + 64);
  while (line.size() < size) line += piece;
  line += closing;
  return Write(file, Header() + line + " koniec\r\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s report|prompt-line|box-line SIZE_MB FILE\n", argv[0]);
    return 2;
  }
  const std::string_view kind = argv[1];
  const std::size_t size = std::strtoul(argv[2], nullptr, 10) * kMegabyte;
  std::FILE* file = std::fopen(argv[3], "wb");
  if (file == nullptr) {
    std::perror(argv[3]);
    return 1;
  }
  bool ok = false;
  if (kind == "report") {
    ok = WriteReport(file, size);
  } else if (kind == "prompt-line") {
    // Starts with text so that the line is filtered rather than taken for the end marker.
    ok = WriteLongLine(file, size, "wynik ", "VOR> REAL> VOVOR>R> INTEGER> 1 ", "");
  } else if (kind == "box-line") {
    ok = WriteLongLine(file, size, " \xB3 \xDA", "\xC4\xC4\xC4\xC4\xC2\xC0\xC4 \xB3", "\xC4\xBF\xC4\xD9");
  } else {
    std::fprintf(stderr, "unknown kind %s\n", argv[1]);
  }
  if (std::fclose(file) != 0) ok = false;
  return ok ? 0 : 1;
}
