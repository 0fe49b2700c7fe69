# Every MiralteaVerb preset renders the same bytes in every build: the
# engine's float maths is plain single precision on every target, so Linux
# and Windows (under Wine) give identical files. The hashes pin that, for
# renders as long as the input (no tail).
include(${CMAKE_CURRENT_LIST_DIR}/../plughost_check.cmake)

set(PRESET_HASHES
  133cde2b1003eff6b877c9fd516a1d9a86648b444993fc9b56cd711a0e0c1ce3 # 0
  f57d8d703f8f36839d28d5818e5c95c6237ea41a8f751df83049ba7627458237 # 1
  f008b61387de8459e6a01b3a863eb5cf26fe508a92cd7824d5f3ab4aad2448b4 # 2
  d048b032ebdb01d6f445062de94e23de300040b12b96367ec43941c735a02fab # 3
  dacd63bf0489e48cd2a81015e03fd221ac1646532f43d88784f5d3b870851a06 # 4
  48dbedc0949de434d82bc73593370f61cf19b3b89d93917b708b82175fe5c923 # 5
  2daf8950ef0f8620c9e0601e0883a8d297e1ad88ed0679f551ddd4c264184f03 # 6
  ff15066ef872ab9109f0ae0d36f96b52ef1a21e5b5ab5f65cd22710ee370eca8 # 7
  75acd70e0fd1374f80c333224c3ef89bdcb0934ccbe492072ac0e97950be6235 # 8
  a9b51ef951bdcc95ede97497abad1be79c5b1fcb7a91330769ab6a72550d11b6 # 9
  fdab61e7150e6d977707d99ac510c13cae2d3595a10d4bcbacc5f4fb6924a0ef # 10
  d390c1bad14a1c924ac69bc9e286970869a89448f10df53b79344347df8152e6 # 11
  7f79fb43b2e001681d6627d41b5b817314529f73afca7c3c1a0bf32dcfbeaf47 # 12
  1c04437b95ec8ff3852e96864251c7f7484f5d7bf54ec257014d3e70e3a7422e # 13
  c81e4bb01c2f1da8b3ba363caee7943dd53893a8e06a5a37ebbd206b3825c5a8 # 14
  214acd0c89c5db1c9ec120afe78e023093f0eb2419fc1ae8f7637686c7c42b55 # 15
  d77a5d7ff510dfd48ff7fb547cf0ba883d00571a0eefcd7f4a80f1aea0857c3d # 16
  1ae1e2229ef0051c8344b6d4e84be920d96e1c2b07809960e8df99b329132dc6 # 17
  be75836dee64740c633a962dc4d2822c26561a5d9927c15f927068f699c62cde # 18
  dc5afcc8517296beb13f9dcf136f03dbbb3c12de245a4446c648abac1cd6d424 # 19
  fcc8a3d7a9b0f1cbbf44eb05691e0e61ff854dbdfd930fd5e651ece4117e85d4 # 20
  f87967613faed2d69a8b08d48718bb44f6dbc5d18c811910034031a9640b4d8f # 21
  570aebb43cbd09061f6c73432ee99f5e4962cf33306cf44d08860f7609479401 # 22
  69cfe4140b583a0c3659ac2db74aeaa1b0a95b9e8e633134c2725bda26a99049 # 23
  919ad8722b25826f41936ec98e3d49b5e5773f2748906e84a75b826587278441 # 24
)

set(program 0)
foreach(hash IN LISTS PRESET_HASHES)
  check_plughost(ARGS process "${PLUGIN}" bursts_pcm16.wav preset_${program}.wav --program ${program} --tail 0
    EXIT 0 OUTPUT preset_${program}.wav SHA256 ${hash})
  math(EXPR program "${program} + 1")
endforeach()
if(NOT program EQUAL 25)
  message(SEND_ERROR "expected 25 preset hashes, have ${program}")
endif()
