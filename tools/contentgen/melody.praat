# Gives every sound listed in FOLDER/list.txt (N stands for N.wav) the melody of
# N.PitchTier by PSOLA and saves it as N.out.wav. Run by lumora-contentgen:
#   praat --run melody.praat FOLDER
form Melodies
  sentence Folder
endform
names = Read Strings from raw text file: folder$ + "/list.txt"
count = Get number of strings
for i to count
  selectObject: names
  name$ = Get string: i
  sound = Read from file: folder$ + "/" + name$ + ".wav"
  manipulation = To Manipulation: 0.01, 75, 300
  tier = Read from file: folder$ + "/" + name$ + ".PitchTier"
  selectObject: manipulation, tier
  Replace pitch tier
  selectObject: manipulation
  result = Get resynthesis (overlap-add)
  Save as WAV file: folder$ + "/" + name$ + ".out.wav"
  removeObject: sound, manipulation, tier, result
endfor
