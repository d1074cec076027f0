#pragma once
// A fresh folder for each test, removed after it, with small helpers to
// write and read its files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace quillora::teste {

class PastaTemporaria : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* teste = ::testing::UnitTest::GetInstance();
    const auto* info = teste->current_test_info();
    dir = std::filesystem::temp_directory_path() /
          ("quillora_" + std::to_string(teste->random_seed()) + info->test_suite_name() +
           info->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::string Em(const std::string& nome) const { return (dir / nome).string(); }
  std::string Write(const std::string& nome, const std::string& bytes) const {
    std::ofstream(dir / nome, std::ios::binary) << bytes;
    return Em(nome);
  }
  static std::string Read(const std::string& caminho) {
    std::ifstream in(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  std::filesystem::path dir;
};

}  // namespace quillora::teste
