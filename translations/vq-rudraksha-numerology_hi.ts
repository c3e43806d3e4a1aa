<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसकी जगह नई फ़ाइल रखना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]... [FILE]
Gives a Rudraksha numerology reading; FILE is a saved reading (.rkn) to open.

  -h, --help     show this help and exit
      --version  show the name and version and exit
  --             end the options: what follows is a file

Qt&apos;s own options, such as -platform and -style, are accepted as well.
</source>
        <translation>उपयोग: %1 [विकल्प]... [फ़ाइल]
रुद्राक्ष अंक ज्योतिष फल देता है; फ़ाइल पहले सहेजा गया अंक ज्योतिष फल (.rkn) है, जिसे खोलना है।

  -h, --help     यह सहायता दिखाकर बाहर निकलें
      --version  नाम और संस्करण दिखाकर बाहर निकलें
  --             विकल्प यहीं समाप्त: इसके बाद जो है, वह फ़ाइल है

Qt के अपने विकल्प, जैसे -platform और -style, भी स्वीकार किए जाते हैं।
</translation>
    </message>
    <message>
        <source>%1: no display could be opened; set DISPLAY or WAYLAND_DISPLAY to a running X11 or Wayland session
</source>
        <translation>%1: कोई डिस्प्ले नहीं खुल सका; DISPLAY या WAYLAND_DISPLAY को किसी चालू X11 या Wayland सत्र पर सेट करें
</translation>
    </message>
    <message>
        <source>%1 %2
</source>
        <translation>%1 %2
</translation>
    </message>
    <message>
        <source>%1: unknown option &quot;%2&quot;
</source>
        <translation>%1: अज्ञात विकल्प &quot;%2&quot;
</translation>
    </message>
    <message>
        <source>%1: only one reading opens at a time; &quot;%2&quot; is left alone
</source>
        <translation>%1: एक बार में एक ही अंक ज्योतिष फल खोला जा सकता है; &quot;%2&quot; को नहीं खोला गया
</translation>
    </message>
</context>
<context>
    <name>app::StartProgram</name>
    <message>
        <source>Application is already running</source>
        <translation>यह प्रोग्राम पहले से चल रहा है</translation>
    </message>
    <message>
        <source>The settings could not be saved in &quot;%1&quot;. They stay until the program ends; the next start will not have them.</source>
        <translation>सेटिंग्स &quot;%1&quot; में सहेजी नहीं जा सकीं। प्रोग्राम बंद होने तक ये बनी रहेंगी, पर अगली बार शुरू करने पर नहीं मिलेंगी।</translation>
    </message>
    <message>
        <source>The settings could not be saved in &quot;%1&quot;.

%2

They stay until the program ends; the next start will not have them.</source>
        <translation>सेटिंग्स &quot;%1&quot; में सहेजी नहीं जा सकीं।

%2

प्रोग्राम बंद होने तक ये बनी रहेंगी, पर अगली बार शुरू करने पर नहीं मिलेंगी।</translation>
    </message>
</context>
<context>
    <name>app::UpdateCheck</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का नया अपडेट उपलब्ध हो सकता है।<byte value="xd"/>क्या आप अपडेट की जाँच करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>core::Calendar</name>
    <message>
        <source>January</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>अक्टूबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>दिसंबर</translation>
    </message>
</context>
<context>
    <name>core::Catalogue</name>
    <message>
        <source>One Mukhi Rudraksha</source>
        <translation>एक मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Lord Shiva</source>
        <translation>भगवान शिव</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>सोमवार</translation>
    </message>
    <message>
        <source>Aum Hreem Namah. Om Namah Shivaya</source>
        <translation>ॐ ह्रीं नमः। ॐ नमः शिवाय</translation>
    </message>
    <message>
        <source>Thymus , Heart, Spine, Diaphragm, Veins, Blood, Eyes</source>
        <translation>थाइमस, हृदय, रीढ़ की हड्डी, डायाफ़्राम, शिराएँ, रक्त, आँखें</translation>
    </message>
    <message>
        <source>Chronic Asthma, TB, Paralysis, Heart Problems, Mental Anxiety, Eye problems, Bone Pain, Headache</source>
        <translation>पुराना दमा, क्षय रोग (टीबी), लकवा, हृदय रोग, मानसिक चिंता, नेत्र रोग, हड्डियों में दर्द, सिरदर्द</translation>
    </message>
    <message>
        <source>This should be capped with gold or silver and worn around the neck.</source>
        <translation>इसे सोने या चाँदी में मढ़वाकर गले में धारण करना चाहिए।</translation>
    </message>
    <message>
        <source>This is also known as Chandramukhi rudraksha as its face is said to shine like the moon. It is ruled by the Sun and blessed by Lord Shiva himself, and it is believed to bring clarity of mind, self-confidence and a sense of inner light. Those who wear it with faith are said to gain honour, leadership and freedom from many worries.</source>
        <translation>इसे चंद्रमुखी रुद्राक्ष भी कहा जाता है, क्योंकि कहते हैं कि इसका मुख चंद्रमा की भाँति चमकता है। इसका स्वामी ग्रह सूर्य है और इसे स्वयं भगवान शिव का आशीर्वाद प्राप्त है। माना जाता है कि यह मन को स्पष्टता देता है, आत्मविश्वास जगाता है और आंतरिक प्रकाश की अनुभूति कराता है। कहा जाता है कि जो लोग इसे श्रद्धा से धारण करते हैं, उन्हें मान-सम्मान, नेतृत्व और अनेक चिंताओं से मुक्ति मिलती है।</translation>
    </message>
    <message>
        <source>You like to be the center of attraction and you shine brightest when others notice your efforts. You are proud, generous and warm, with a natural dignity that draws admiration. Like the Sun, you give light and life to those around you.</source>
        <translation>आप आकर्षण का केंद्र बनना पसंद करते हैं, और जब दूसरे आपके प्रयासों पर ध्यान देते हैं, तब आपकी चमक सबसे अधिक निखरती है। आप स्वाभिमानी, उदार और आत्मीय हैं; आपमें एक सहज गरिमा है, जिसके कारण लोग आपकी सराहना करते हैं। सूर्य की तरह आप अपने आसपास के लोगों को प्रकाश और जीवन देते हैं।</translation>
    </message>
    <message>
        <source>Two Mukhi Rudraksha</source>
        <translation>दो मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>ArdhaNareeshwara</source>
        <translation>अर्धनारीश्वर</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Aum Namah</source>
        <translation>ॐ नमः</translation>
    </message>
    <message>
        <source>Breasts, Stomach, Lymphatic System, Non Blood fluid systems, Perspiration, Sympathetic Nervous System, Saliva</source>
        <translation>स्तन, पेट, लसीका तंत्र, रक्त के अतिरिक्त शरीर के अन्य द्रव-तंत्र, पसीना, अनुकंपी तंत्रिका तंत्र, लार</translation>
    </message>
    <message>
        <source>Impotency, Lack of Concentration, Renal Failure, Stress, Anxiety, Depression, Eye Problems, Mental Instability, Hysteria, Intestinal Disorder</source>
        <translation>नपुंसकता, एकाग्रता की कमी, गुर्दों की विफलता, तनाव, चिंता, अवसाद, नेत्र रोग, मानसिक अस्थिरता, हिस्टीरिया, आँतों के विकार</translation>
    </message>
    <message>
        <source>Take three beads of 2 mukhi rudraksha and tie them on a red thread. Wear it around the neck on a Monday morning after offering a short prayer to Lord Shiva.</source>
        <translation>2 मुखी रुद्राक्ष के तीन दाने लेकर उन्हें लाल धागे में बाँध लें। सोमवार की सुबह भगवान शिव की संक्षिप्त प्रार्थना करने के बाद इसे गले में धारण करें।</translation>
    </message>
    <message>
        <source>This bead should be worn by people who are seeking harmony in their relationships and peace within the home. It represents ArdhaNareeshwara, the united form of Shiva and Shakti, and is ruled by the Moon. It is believed to calm the emotions, ease loneliness and strengthen the bond between partners, friends and family.</source>
        <translation>जो लोग अपने संबंधों में सामंजस्य और घर में शांति चाहते हैं, उन्हें यह रुद्राक्ष धारण करना चाहिए। यह शिव और शक्ति के संयुक्त रूप अर्धनारीश्वर का प्रतीक है, और इसका स्वामी ग्रह चंद्र है। माना जाता है कि यह भावनाओं को शांत करता है, अकेलेपन को कम करता है और जीवनसाथी, मित्रों तथा परिवार के साथ संबंधों को मज़बूत बनाता है।</translation>
    </message>
    <message>
        <source>You are the silent types who think before you speak. You are gentle, caring and deeply emotional, and your moods may rise and fall like the tides. You have a strong imagination and a kind heart that easily feels the needs of others.</source>
        <translation>आप उन कम बोलने वाले लोगों में से हैं जो बोलने से पहले सोचते हैं। आप सौम्य, दूसरों का ध्यान रखने वाले और अत्यंत भावुक हैं, और आपकी मनोदशा ज्वार-भाटे की तरह चढ़ती-उतरती रह सकती है। आपकी कल्पनाशक्ति प्रबल है और आपका हृदय दयालु है, जो दूसरों की ज़रूरतों को सहज ही समझ लेता है।</translation>
    </message>
    <message>
        <source>Three Mukhi Rudraksha</source>
        <translation>तीन मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>God Agni</source>
        <translation>अग्निदेव</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>Aum Kleem Namah, Om Namah Shivaya</source>
        <translation>ॐ क्लीं नमः, ॐ नमः शिवाय</translation>
    </message>
    <message>
        <source>Adrenal Glands, Sex Glands, Red Blood Cells, Stomach Disorders, Blood Pressure Disorders</source>
        <translation>एड्रिनल ग्रंथियाँ, यौन ग्रंथियाँ, लाल रक्त कोशिकाएँ, पेट के विकार, रक्तचाप के विकार</translation>
    </message>
    <message>
        <source>Depression, Schizophrenia, Psychosis, Blood Pressure, Menstruation, Mood Swings, Fever, Jaundice</source>
        <translation>अवसाद, सिज़ोफ़्रेनिया, मनोविकृति, रक्तचाप, मासिक धर्म संबंधी कष्ट, मनोदशा में उतार-चढ़ाव, बुखार, पीलिया</translation>
    </message>
    <message>
        <source>Take three beads of 3 mukhi rudraksha, wash it with Ganga Jal and string them on a red thread. Wear it on a Sunday or Tuesday morning while chanting the name of Agni.</source>
        <translation>3 मुखी रुद्राक्ष के तीन दाने लें, उन्हें गंगाजल से धोकर लाल धागे में पिरो लें। रविवार या मंगलवार की सुबह अग्निदेव का नाम जपते हुए इसे धारण करें।</translation>
    </message>
    <message>
        <source>This is the symbol of Lord Brahma, Vishnu and Mahesh, and it is also linked with God Agni, the sacred fire that purifies all things. Ruled by Mars, it is believed to burn away past mistakes and guilt, to raise confidence and to give the wearer fresh energy to begin again with a clean heart.</source>
        <translation>यह भगवान ब्रह्मा, विष्णु और महेश का प्रतीक है। इसका संबंध अग्निदेव से भी है, उस पवित्र अग्नि से जो हर वस्तु को शुद्ध कर देती है। इसका स्वामी ग्रह मंगल है। माना जाता है कि यह पिछली भूलों और अपराध-बोध को जलाकर भस्म कर देता है, आत्मविश्वास बढ़ाता है और धारण करने वाले को निर्मल हृदय से फिर एक नई शुरुआत करने की ताज़ा ऊर्जा देता है।</translation>
    </message>
    <message>
        <source>You have a lot of energy and enthusiasm and you love to take on challenges. You are brave, direct and quick to act, and you enjoy competition. Learn to control your temper, and your fiery drive will carry you far in life.</source>
        <translation>आपमें भरपूर ऊर्जा और उत्साह है, और चुनौतियों का सामना करना आपको बहुत भाता है। आप साहसी और स्पष्टवादी हैं, तुरंत कदम उठाते हैं और प्रतिस्पर्धा का आनंद लेते हैं। अपने क्रोध पर काबू रखना सीखें, तो आपका यह प्रचंड जोश आपको जीवन में बहुत आगे ले जाएगा।</translation>
    </message>
    <message>
        <source>Four Mukhi Rudraksha</source>
        <translation>चार मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>God Brahma</source>
        <translation>भगवान ब्रह्मा</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>Aum Hreem Namah</source>
        <translation>ॐ ह्रीं नमः</translation>
    </message>
    <message>
        <source>Arms, Brain Disorders, Hands, Lungs, Sensory organs, Thyroid Glands</source>
        <translation>भुजाएँ, मस्तिष्क के विकार, हाथ, फेफड़े, ज्ञानेंद्रियाँ, थायरॉइड ग्रंथि</translation>
    </message>
    <message>
        <source>Blood Circulation, Cough, Brain Disorders, Asthma, Respiratory Problems, Paralysis</source>
        <translation>रक्त संचार की समस्याएँ, खाँसी, मस्तिष्क के विकार, दमा, श्वास संबंधी रोग, लकवा</translation>
    </message>
    <message>
        <source>Take three beads of 4 mukhi rudraksha, wash it with Ganga Jal and string them on a red or yellow thread. Wear it on a Wednesday morning after a quiet prayer to Lord Brahma.</source>
        <translation>4 मुखी रुद्राक्ष के तीन दाने लें, उन्हें गंगाजल से धोकर लाल या पीले धागे में पिरो लें। बुधवार की सुबह मन ही मन भगवान ब्रह्मा की प्रार्थना करने के बाद इसे धारण करें।</translation>
    </message>
    <message>
        <source>This bead is said to be a remedy to cure all the malefic effects of Mercury. It represents God Brahma, the creator, and is believed to sharpen the intellect, improve memory and give clear and graceful speech. Students, writers, teachers and those in trade are said to benefit greatly from wearing it.</source>
        <translation>कहा जाता है कि यह रुद्राक्ष बुध के सभी अशुभ प्रभावों को दूर करने का उपाय है। यह सृष्टि के रचयिता भगवान ब्रह्मा का प्रतीक है। माना जाता है कि यह बुद्धि को तीक्ष्ण करता है, स्मरण शक्ति बढ़ाता है और वाणी को स्पष्ट तथा शालीन बनाता है। कहते हैं कि विद्यार्थियों, लेखकों, शिक्षकों और व्यापार से जुड़े लोगों को इसे धारण करने से विशेष लाभ होता है।</translation>
    </message>
    <message>
        <source>You are very methodical and go by the facts rather than feelings. You are clever, witty and quick to learn, with a gift for words and numbers. Your curious mind enjoys study, trade and travel, and you can talk with anyone.</source>
        <translation>आप हर काम बड़े व्यवस्थित ढंग से करते हैं और भावनाओं के बजाय तथ्यों को आधार बनाते हैं। आप चतुर, हाज़िरजवाब और जल्दी सीखने वाले हैं, और शब्दों तथा अंकों में आपकी विशेष प्रतिभा है। आपका जिज्ञासु मन अध्ययन, व्यापार और यात्रा में रमता है, और आप किसी से भी बात कर सकते हैं।</translation>
    </message>
    <message>
        <source>Five Mukhi Rudraksha</source>
        <translation>पाँच मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>बृहस्पति</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>Liver, Gallbladder, Pituitary Glands, Blood Pressure Disorders</source>
        <translation>यकृत, पित्ताशय, पिट्यूटरी ग्रंथि, रक्तचाप के विकार</translation>
    </message>
    <message>
        <source>Blood Pressure, Mental Instability, Obesity, Heart Problems, Stress, Anger Management, Diabetes, Piles, Neurotic Problems, Constipation</source>
        <translation>रक्तचाप, मानसिक अस्थिरता, मोटापा, हृदय रोग, तनाव, अत्यधिक क्रोध, मधुमेह, बवासीर, स्नायु संबंधी समस्याएँ, कब्ज़</translation>
    </message>
    <message>
        <source>Take five beads of 5 mukhi rudraksha and tie them on a red thread. Wear it around the neck on a Thursday morning after chanting Om Namah Shivaya with devotion.</source>
        <translation>5 मुखी रुद्राक्ष के पाँच दाने लेकर उन्हें लाल धागे में बाँध लें। गुरुवार की सुबह श्रद्धापूर्वक ॐ नमः शिवाय का जाप करने के बाद इसे गले में धारण करें।</translation>
    </message>
    <message>
        <source>This is the most common rudraksh. It represents Lord Shiva in his form as Kalagni Rudra and is ruled by Jupiter, the planet of wisdom. It is believed to bring peace of mind, good health and spiritual growth, and it is widely used for prayer beads and daily meditation by seekers of every path.</source>
        <translation>यह सबसे अधिक मिलने वाला रुद्राक्ष है। यह कालाग्नि रुद्र के रूप में भगवान शिव का प्रतीक है, और इसका स्वामी ग्रह बृहस्पति है, जो ज्ञान का ग्रह है। माना जाता है कि यह मन की शांति, अच्छा स्वास्थ्य और आध्यात्मिक उन्नति देता है। हर मार्ग के साधक जप की माला और दैनिक ध्यान के लिए इसका व्यापक रूप से उपयोग करते हैं।</translation>
    </message>
    <message>
        <source>You will know the answers to all the questions that others bring to you. You are wise, generous and optimistic, with a deep love of learning and tradition. People look to you as a teacher and guide, and fortune tends to favour you.</source>
        <translation>दूसरे लोग आपके पास जो भी प्रश्न लेकर आते हैं, उन सबके उत्तर आपके पास होंगे। आप ज्ञानी, उदार और आशावादी हैं, और विद्या तथा परंपरा से आपको गहरा लगाव है। लोग आपको शिक्षक और मार्गदर्शक के रूप में देखते हैं, और भाग्य प्रायः आपका साथ देता है।</translation>
    </message>
    <message>
        <source>Six Mukhi Rudraksha</source>
        <translation>छह मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Lord Kartikeya</source>
        <translation>भगवान कार्तिकेय</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Aum Hreem Hum Namah</source>
        <translation>ॐ ह्रीं हुं नमः</translation>
    </message>
    <message>
        <source>Neck, Kidneys, Throat, sexual organs, Thyroid Glands</source>
        <translation>गर्दन, गुर्दे, गला, जननांग, थायरॉइड ग्रंथि</translation>
    </message>
    <message>
        <source>Epilepsy, Gynecological Problem, Hysteria, Reproductive Problems</source>
        <translation>मिर्गी, स्त्री रोग, हिस्टीरिया, प्रजनन संबंधी समस्याएँ</translation>
    </message>
    <message>
        <source>Take three beads of 6 mukhi rudraksha and tie them on a red thread. Wear it on the right arm on a Friday morning after a short prayer to Lord Kartikeya.</source>
        <translation>6 मुखी रुद्राक्ष के तीन दाने लेकर उन्हें लाल धागे में बाँध लें। शुक्रवार की सुबह भगवान कार्तिकेय की संक्षिप्त प्रार्थना करने के बाद इसे दाहिनी भुजा पर धारण करें।</translation>
    </message>
    <message>
        <source>This bead is said to be a remedy to cure all the malefic effects of Venus. It represents Lord Kartikeya, the brave son of Shiva, and is believed to bring charm, artistic talent, love and comfort into the life of the wearer. It is also said to give willpower and steady courage.</source>
        <translation>कहा जाता है कि यह रुद्राक्ष शुक्र के सभी अशुभ प्रभावों को दूर करने का उपाय है। यह शिव के वीर पुत्र भगवान कार्तिकेय का प्रतीक है। माना जाता है कि यह धारण करने वाले के जीवन में आकर्षण, कलात्मक प्रतिभा, प्रेम और सुख-सुविधा लाता है। यह भी कहा जाता है कि इससे इच्छाशक्ति और अटल साहस मिलता है।</translation>
    </message>
    <message>
        <source>You are the fun people who love enjoying the good things of life. You are charming, artistic and affectionate, with a fine taste for beauty, music and comfort. Friends gather around you easily, and love plays a large role in your life.</source>
        <translation>आप उन ज़िंदादिल लोगों में से हैं जो जीवन की अच्छी चीज़ों का आनंद लेना पसंद करते हैं। आप आकर्षक, कलाप्रेमी और स्नेही हैं, और सौंदर्य, संगीत तथा सुख-सुविधा के मामले में आपकी रुचि बड़ी परिष्कृत है। मित्र सहज ही आपके आसपास जुट जाते हैं, और आपके जीवन में प्रेम की बड़ी भूमिका रहती है।</translation>
    </message>
    <message>
        <source>Seven Mukhi Rudraksha</source>
        <translation>सात मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Goddess Mahalaxmi</source>
        <translation>माँ महालक्ष्मी</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>Aum Hum Namah</source>
        <translation>ॐ हुं नमः</translation>
    </message>
    <message>
        <source>Spleen, Skeletal system, Cartilage, Skin, Pituitary Glands, Impotency</source>
        <translation>तिल्ली, अस्थि तंत्र, उपास्थि, त्वचा, पिट्यूटरी ग्रंथि, नपुंसकता</translation>
    </message>
    <message>
        <source>Asthma, Pharyngitis, Impotency, Respiratory Disorder</source>
        <translation>दमा, गले की सूजन, नपुंसकता, श्वास संबंधी विकार</translation>
    </message>
    <message>
        <source>Take three beads of 7 mukhi rudraksha and tie them on a red thread. Wear it around the neck on a Saturday morning after offering prayers to Goddess Mahalaxmi.</source>
        <translation>7 मुखी रुद्राक्ष के तीन दाने लेकर उन्हें लाल धागे में बाँध लें। शनिवार की सुबह माँ महालक्ष्मी की प्रार्थना करने के बाद इसे गले में धारण करें।</translation>
    </message>
    <message>
        <source>This bead is said to be a remedy to cure all the malefic effects of Saturn and is blessed by Goddess Mahalaxmi, the giver of wealth. It is believed to remove delays and hardship, to open the way to prosperity and to bring patience and steady good fortune to those who wear it with devotion.</source>
        <translation>कहा जाता है कि यह रुद्राक्ष शनि के सभी अशुभ प्रभावों को दूर करने का उपाय है, और इसे धन की दात्री माँ महालक्ष्मी का आशीर्वाद प्राप्त है। माना जाता है कि जो लोग इसे श्रद्धा से धारण करते हैं, उनके जीवन से विलंब और कठिनाइयाँ दूर होती हैं, समृद्धि का मार्ग खुलता है और उन्हें धैर्य तथा स्थायी सौभाग्य प्राप्त होता है।</translation>
    </message>
    <message>
        <source>You are very reliable and solid people. You are patient, disciplined and hardworking, and you do not shy away from responsibility. Success may come to you slowly, but it lasts, because you build it with honest effort and deep endurance.</source>
        <translation>आप बहुत भरोसेमंद और दृढ़ व्यक्ति हैं। आप धैर्यवान, अनुशासित और परिश्रमी हैं, और ज़िम्मेदारी से पीछे नहीं हटते। सफलता आपको भले ही धीरे-धीरे मिले, पर वह टिकती है, क्योंकि आप उसे ईमानदार प्रयास और गहरी सहनशीलता से गढ़ते हैं।</translation>
    </message>
    <message>
        <source>Eight Mukhi Rudraksha</source>
        <translation>आठ मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Lord Ganesh</source>
        <translation>भगवान गणेश</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>Aum Hum Namah, Om Ganeshaya Namah</source>
        <translation>ॐ हुं नमः, ॐ गणेशाय नमः</translation>
    </message>
    <message>
        <source>Lungs , Feet, Skin, Eyes</source>
        <translation>फेफड़े, पैर, त्वचा, आँखें</translation>
    </message>
    <message>
        <source>Stomachache, Stress, Skin diseases, Anxiety, Sleep Disorders</source>
        <translation>पेट दर्द, तनाव, त्वचा रोग, चिंता, नींद संबंधी विकार</translation>
    </message>
    <message>
        <source>Wear only one bead of 8 mukhi rudraksh on thread / gold / silver.</source>
        <translation>8 मुखी रुद्राक्ष का केवल एक दाना धागे, सोने या चाँदी में धारण करें।</translation>
    </message>
    <message>
        <source>This bead is said to be a remedy to cure all the malefic effects of Rahu. It represents Lord Ganesh, the remover of obstacles, and is believed to clear the path to success in every new undertaking. It is said to give wisdom, sound judgment and protection from hidden enemies and confusion.</source>
        <translation>कहा जाता है कि यह रुद्राक्ष राहु के सभी अशुभ प्रभावों को दूर करने का उपाय है। यह विघ्नहर्ता भगवान गणेश का प्रतीक है। माना जाता है कि यह हर नए कार्य में सफलता का मार्ग प्रशस्त करता है। कहते हैं कि इससे बुद्धि और सही निर्णय लेने की क्षमता मिलती है, तथा छिपे हुए शत्रुओं और भ्रम से रक्षा होती है।</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>उपलब्ध नहीं</translation>
    </message>
    <message>
        <source>Nine Mukhi Rudraksha</source>
        <translation>नौ मुखी रुद्राक्ष</translation>
    </message>
    <message>
        <source>Ketu</source>
        <translation>केतु</translation>
    </message>
    <message>
        <source>Goddess Durga</source>
        <translation>माँ दुर्गा</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>Aum Hreem Hum Namah,Nav Durgayai Namah</source>
        <translation>ॐ ह्रीं हुं नमः, नवदुर्गायै नमः</translation>
    </message>
    <message>
        <source>Lungs , Skin, Eyes</source>
        <translation>फेफड़े, त्वचा, आँखें</translation>
    </message>
    <message>
        <source>Skin Problems, Body Pain, Fever, Bowel Problems</source>
        <translation>त्वचा रोग, शरीर में दर्द, बुखार, आँतों के रोग</translation>
    </message>
    <message>
        <source>Wear only one bead of 9 mukhi rudraksh capped with gold or silver on a red thread.</source>
        <translation>9 मुखी रुद्राक्ष का केवल एक दाना सोने या चाँदी में मढ़वाकर लाल धागे में धारण करें।</translation>
    </message>
    <message>
        <source>This bead improves mental activity. It represents Goddess Durga in her nine forms and is ruled by Ketu. It is believed to fill the wearer with courage, energy and fearlessness, and to protect against negative forces. Devotees say it brings the blessings of the Divine Mother and strength in times of trial.</source>
        <translation>यह रुद्राक्ष मानसिक सक्रियता बढ़ाता है। यह माँ दुर्गा के नौ रूपों का प्रतीक है, और इसका स्वामी ग्रह केतु है। माना जाता है कि यह धारण करने वाले को साहस, ऊर्जा और निर्भयता से भर देता है तथा नकारात्मक शक्तियों से उसकी रक्षा करता है। भक्तों का कहना है कि इससे जगन्माता का आशीर्वाद मिलता है और कठिन समय में शक्ति प्राप्त होती है।</translation>
    </message>
</context>
<context>
    <name>core::Guidance</name>
    <message>
        <source>Do &apos;s  for keeping Rudraksh</source>
        <translation>रुद्राक्ष की देखभाल: क्या करें</translation>
    </message>
    <message>
        <source>1.Clean them with brushes that have soft bristles.</source>
        <translation>1. रुद्राक्ष को मुलायम बालों वाले ब्रश से साफ़ करें।</translation>
    </message>
    <message>
        <source>2.Oil the beads regularly with mustard oil.</source>
        <translation>2. दानों पर नियमित रूप से सरसों का तेल लगाएँ।</translation>
    </message>
    <message>
        <source>3.Keep them in a clean and holy place.</source>
        <translation>3. इन्हें किसी स्वच्छ और पवित्र स्थान पर रखें।</translation>
    </message>
    <message>
        <source>4.They are lucky and can be hung in front of homes and temple doors.</source>
        <translation>4. रुद्राक्ष शुभ होते हैं और इन्हें घरों के सामने तथा मंदिरों के द्वार पर टाँगा जा सकता है।</translation>
    </message>
    <message>
        <source>5.Keep them in the holy place of worship so that the whole house is filled with positive energy.</source>
        <translation>5. इन्हें पवित्र पूजा-स्थल में रखें, ताकि पूरा घर सकारात्मक ऊर्जा से भर जाए।</translation>
    </message>
    <message>
        <source>Dont &apos;s  for keeping Rudraksh</source>
        <translation>रुद्राक्ष की देखभाल: क्या न करें</translation>
    </message>
    <message>
        <source>1.Don&apos;t wear rudraksh beads while sleeping.</source>
        <translation>1. सोते समय रुद्राक्ष धारण न करें।</translation>
    </message>
    <message>
        <source>2.Do not use someone else&apos;s Rudraksh mala.</source>
        <translation>2. किसी दूसरे की रुद्राक्ष माला का उपयोग न करें।</translation>
    </message>
    <message>
        <source>3.Remove the beads while having a bath.</source>
        <translation>3. स्नान करते समय रुद्राक्ष उतार दें।</translation>
    </message>
    <message>
        <source>4.Do not wear the beads like a ring on your fingers.</source>
        <translation>4. रुद्राक्ष को अंगूठी की तरह उँगलियों में न पहनें।</translation>
    </message>
    <message>
        <source>5.The rosary beads used for chanting mantra should not be worn on the body.</source>
        <translation>5. जिस माला से मंत्र का जाप किया जाता है, उसे शरीर पर धारण नहीं करना चाहिए।</translation>
    </message>
</context>
<context>
    <name>core::Numerology</name>
    <message>
        <source>This is one of the most important numbers. Sometimes it is also called the Life Direction Number. It is drawn from your date of birth and shows the road your life is meant to walk, the lessons waiting for you along the way, and the gifts you carry to meet them.</source>
        <translation>यह सबसे महत्वपूर्ण अंकों में से एक है। इसे कभी-कभी जीवन दिशा अंक भी कहा जाता है। यह आपकी जन्म तिथि से निकाला जाता है और बताता है कि आपके जीवन को किस मार्ग पर चलना है, उस मार्ग पर कौन-सी शिक्षाएँ आपकी प्रतीक्षा कर रही हैं, और उनका सामना करने के लिए आप कौन-से गुण अपने साथ लेकर आए हैं।</translation>
    </message>
    <message>
        <source>Your main purpose should be attaining independency. The Life Path 1&apos;s life is a journey toward standing on your own feet and trusting the voice within you. You are a natural pioneer, happiest when you are opening a new door rather than walking through one that others have held open. Your mind is original and quick, and you often see a way forward long before the people around you do. Learn to accept help without feeling smaller for it, and to listen as warmly as you lead. When you balance strength with kindness, your independence becomes a gift to everyone around you, and many will gladly follow the path you have cleared for them with such resolve.</source>
        <translation>आपके जीवन का मुख्य उद्देश्य आत्मनिर्भरता प्राप्त करना होना चाहिए। भाग्यांक 1 वालों का जीवन अपने पैरों पर खड़े होने और अपनी अंतरात्मा की आवाज़ पर भरोसा करने की यात्रा है। आप स्वभाव से अग्रणी हैं; दूसरों के खोले हुए द्वार से गुज़रने की अपेक्षा कोई नया द्वार खोलने में आपको सबसे अधिक आनंद मिलता है। आपकी बुद्धि मौलिक और तेज़ है, और प्रायः आप आगे का रास्ता अपने आसपास के लोगों से बहुत पहले देख लेते हैं। सहायता स्वीकार करना सीखें और ऐसा करते हुए स्वयं को छोटा न समझें; जिस आत्मीयता से आप नेतृत्व करते हैं, उसी आत्मीयता से दूसरों की बात सुनना भी सीखें। जब आप अपनी शक्ति को दयालुता के साथ संतुलित करते हैं, तब आपकी स्वतंत्रता आपके आसपास के सभी लोगों के लिए वरदान बन जाती है, और बहुत-से लोग प्रसन्नता से उस मार्ग पर चलेंगे जिसे आपने इतने दृढ़ संकल्प के साथ उनके लिए प्रशस्त किया है।</translation>
    </message>
    <message>
        <source>Usually you are creative and follow certain protocols. You value harmony and feel most at peace when the people around you are at ease. You are a gentle diplomat who can sense the mood of a room and bring people together. Patience is one of your quiet strengths, and you notice the small details others tend to miss. You work best as a partner or within a team, where your tact and loyalty are deeply appreciated. Take care not to hide your own needs to please others, for your voice matters just as much as theirs.</source>
        <translation>सामान्यतः आप रचनात्मक होते हैं और कुछ निश्चित नियमों व मर्यादाओं का पालन करते हैं। आप सामंजस्य को महत्व देते हैं, और जब आपके आसपास के लोग सहज होते हैं तब आपका मन सबसे अधिक शांत रहता है। आप सौम्य स्वभाव के कुशल मध्यस्थ हैं; किसी भी स्थान का वातावरण आप तुरंत भाँप लेते हैं और लोगों को एक साथ ले आते हैं। धैर्य आपकी मौन शक्तियों में से एक है, और जिन छोटी-छोटी बातों पर दूसरों का ध्यान प्रायः नहीं जाता, उन्हें आप देख लेते हैं। साझेदारी में या किसी दल के साथ मिलकर आप सबसे अच्छा काम करते हैं, जहाँ आपकी व्यवहार-कुशलता और निष्ठा की गहरी सराहना होती है। ध्यान रखें कि दूसरों को प्रसन्न करने के लिए आप अपनी आवश्यकताओं को न छिपाएँ, क्योंकि आपकी बात भी उतनी ही महत्वपूर्ण है जितनी उनकी।</translation>
    </message>
    <message>
        <source>You are entertainers, optimists and very creative. Words, colours and ideas flow through you with ease, and you have a rare gift for lifting the spirits of those around you. People are drawn to your warmth, your humour and the sparkle you bring to a gathering. You express yourself beautifully through speech, writing, art or music. Your challenge is to gather your many talents and give them steady direction, since scattered energy can leave fine work unfinished. When you commit to your craft with discipline, your joy becomes a lamp that guides and heals many people.</source>
        <translation>आप दूसरों का मनोरंजन करने वाले, आशावादी और अत्यंत रचनात्मक होते हैं। शब्द, रंग और विचार आपके भीतर से सहज ही प्रवाहित होते हैं, और अपने आसपास के लोगों का मन प्रसन्न कर देने की आपमें दुर्लभ क्षमता है। लोग आपकी आत्मीयता, आपके विनोदी स्वभाव और उस उमंग की ओर खिंचे चले आते हैं जिससे आप किसी भी महफ़िल में जान डाल देते हैं। बोलकर, लिखकर, कला या संगीत के माध्यम से आप स्वयं को बड़ी सुंदरता से व्यक्त करते हैं। आपकी चुनौती यह है कि अपनी अनेक प्रतिभाओं को एकत्र करके उन्हें एक स्थिर दिशा दें, क्योंकि बिखरी हुई ऊर्जा के कारण अच्छे-अच्छे काम अधूरे रह सकते हैं। जब आप अनुशासन के साथ अपनी कला के प्रति समर्पित हो जाते हैं, तब आपका आनंद एक ऐसा दीपक बन जाता है जो अनेक लोगों को राह दिखाता है और उनके मन के घाव भरता है।</translation>
    </message>
    <message>
        <source>The Life Path 4 produces the most reliable, practical, and down-to-earth of individuals; you are the builders upon whom families, firms and communities depend. You believe in honest effort, careful planning and doing a task properly from start to finish. Order and routine give you comfort, and you are at your best when you can see solid results from your work. Others trust your word because you keep it. Take care not to become too rigid or to resist change simply because it is new. When you allow yourself a little flexibility, your strong foundations will hold firm.</source>
        <translation>भाग्यांक 4 वाले लोग सबसे अधिक विश्वसनीय, व्यावहारिक और ज़मीन से जुड़े होते हैं; आप वे निर्माता हैं जिन पर परिवार, व्यापारिक प्रतिष्ठान और समाज निर्भर रहते हैं। आप ईमानदार परिश्रम, सोच-समझकर बनाई गई योजना और किसी भी काम को आरंभ से अंत तक ठीक ढंग से करने में विश्वास रखते हैं। व्यवस्था और नियमित दिनचर्या आपको सुकून देती हैं, और जब आप अपने काम के ठोस परिणाम देख पाते हैं तब आप अपने सर्वश्रेष्ठ रूप में होते हैं। लोग आपकी बात पर भरोसा करते हैं, क्योंकि आप अपना वचन निभाते हैं। ध्यान रखें कि आप बहुत कठोर न हो जाएँ, और किसी परिवर्तन का विरोध केवल इसलिए न करें कि वह नया है। जब आप स्वयं को थोड़ा लचीलापन देते हैं, तब आपकी मज़बूत नींव अडिग बनी रहती है।</translation>
    </message>
    <message>
        <source>Generally people with 5 are very multitalented, bold, and progressive. You love freedom, travel and fresh experiences, and you learn best by tasting life directly rather than reading about it. Your curiosity is endless, and you adapt to new places and new people with remarkable grace. You are a lively speaker and often persuade others without effort. Routine can feel like a cage to you, so you thrive in work that offers variety and movement. Your lesson is to use your freedom wisely, choosing depth over constant change. When you learn to stay with what truly matters, your adventurous spirit becomes a fountain of wisdom.</source>
        <translation>सामान्यतः भाग्यांक 5 वाले लोग बहुमुखी प्रतिभा के धनी, साहसी और प्रगतिशील होते हैं। आपको स्वतंत्रता, यात्रा और नए अनुभव प्रिय हैं, और आप जीवन के बारे में पढ़कर नहीं, बल्कि उसे स्वयं जीकर सबसे अच्छा सीखते हैं। आपकी जिज्ञासा का कोई अंत नहीं है, और नए स्थानों तथा नए लोगों के बीच आप अद्भुत सहजता से घुल-मिल जाते हैं। आप जीवंत वक्ता हैं और प्रायः बिना किसी प्रयास के दूसरों को अपनी बात मनवा लेते हैं। बँधी-बँधाई दिनचर्या आपको पिंजरे जैसी लग सकती है, इसलिए जिस काम में विविधता और गतिशीलता हो, उसमें आप फलते-फूलते हैं। आपके जीवन का पाठ यह है कि आप अपनी स्वतंत्रता का बुद्धिमानी से उपयोग करें और निरंतर बदलाव के स्थान पर गहराई को चुनें। जब आप उन बातों पर टिके रहना सीख जाते हैं जो वास्तव में महत्वपूर्ण हैं, तब आपका साहसी और खोजी मन ज्ञान का झरना बन जाता है।</translation>
    </message>
    <message>
        <source>The Life Path 6 indicates that you have a strong sense of responsibility. Home, family and community sit at the centre of your heart, and you feel fulfilled when caring for the people you love. You are a natural counsellor, and friends often come to you for comfort and advice. Beauty and harmony matter to you, and you work to create a peaceful space wherever you go. You may at times carry burdens that are not yours, or expect too much of yourself. Remember that love also means allowing people to grow in their own way. When you give freely, your devotion blesses everyone it touches.</source>
        <translation>भाग्यांक 6 बताता है कि आपमें उत्तरदायित्व की भावना प्रबल है। घर, परिवार और समाज आपके हृदय के केंद्र में बसते हैं, और अपने प्रियजनों की देखभाल करके आपको संतोष मिलता है। आप स्वभाव से परामर्शदाता हैं; मित्र प्रायः सांत्वना और सलाह के लिए आपके पास आते हैं। सौंदर्य और सामंजस्य आपके लिए बहुत मायने रखते हैं, और आप जहाँ भी जाते हैं वहाँ शांतिपूर्ण वातावरण बनाने का प्रयास करते हैं। हो सकता है कि कभी-कभी आप ऐसे बोझ उठा लें जो आपके नहीं हैं, या स्वयं से बहुत अधिक अपेक्षा रखने लगें। याद रखें कि प्रेम का अर्थ यह भी है कि लोगों को उनके अपने ढंग से विकसित होने दिया जाए। जब आप खुले मन से देते हैं, तब आपकी निष्ठा जिस-जिसके जीवन को छूती है, उसके लिए वरदान बन जाती है।</translation>
    </message>
    <message>
        <source>You tend to be calm and affectionate by nature. Beneath your quiet surface lies a deep and searching mind that wants to understand the hidden meaning of life. You are drawn to study, reflection and the spiritual path, and you need time alone to regain your balance. Your intuition is strong, and you often sense the truth before it is spoken. Try not to withdraw too far from others, for your wisdom grows richer when shared.</source>
        <translation>स्वभाव से आप प्रायः शांत और स्नेही होते हैं। आपके मौन बाहरी रूप के पीछे एक गहरा और खोजी मन छिपा है, जो जीवन के गूढ़ अर्थ को समझना चाहता है। अध्ययन, चिंतन और आध्यात्मिक मार्ग आपको अपनी ओर आकर्षित करते हैं, और अपना संतुलन फिर से पाने के लिए आपको एकांत में समय बिताने की आवश्यकता होती है। आपका अंतर्ज्ञान प्रबल है, और प्रायः सत्य के कहे जाने से पहले ही आप उसे भाँप लेते हैं। प्रयास करें कि आप दूसरों से बहुत दूर न हो जाएँ, क्योंकि बाँटने से आपका ज्ञान और भी समृद्ध होता है।</translation>
    </message>
    <message>
        <source>You are very materialistic and are focused on learning the ways to fulfill these needs. You have a natural gift for business, finance and management, and you understand how power and money move in the world. Ambition drives you forward, and you will work long hours to reach your aims. You are practical, confident and ready to lead when others hesitate. Your task is to balance material success with generosity and inner peace. When you use your wealth and authority to uplift others, your rewards multiply in ways money cannot measure.</source>
        <translation>आप बहुत भौतिकवादी होते हैं, और इन भौतिक आवश्यकताओं को पूरा करने के उपाय सीखने पर आपका पूरा ध्यान रहता है। व्यापार, वित्त और प्रबंधन की आपमें स्वाभाविक प्रतिभा है, और आप समझते हैं कि संसार में सत्ता और धन किस प्रकार चलते हैं। महत्वाकांक्षा आपको आगे बढ़ाती है, और अपने लक्ष्य तक पहुँचने के लिए आप घंटों लगातार परिश्रम करते हैं। आप व्यावहारिक और आत्मविश्वासी हैं, और जब दूसरे झिझकते हैं तब आप नेतृत्व के लिए तैयार रहते हैं। आपका कार्य भौतिक सफलता को उदारता और आंतरिक शांति के साथ संतुलित करना है। जब आप अपने धन और अधिकार का उपयोग दूसरों के उत्थान के लिए करते हैं, तब आपको मिलने वाले प्रतिफल इस तरह कई गुना बढ़ जाते हैं कि उन्हें धन से आँका नहीं जा सकता।</translation>
    </message>
    <message>
        <source>People with number 9 are generous, loving and have an inborn drive to serve the humankind. You see the big picture and feel the sorrows of others as if they were your own. Your heart is open to people of every background, and you are often drawn to healing, teaching or charitable work. You carry within you the wisdom of every number that comes before you. Learn to let go of the past with grace, and your compassion will touch countless lives.</source>
        <translation>भाग्यांक 9 वाले लोग उदार और प्रेममय होते हैं, और उनमें मानवता की सेवा करने की जन्मजात प्रेरणा होती है। आप जीवन को व्यापक दृष्टि से देखते हैं और दूसरों के दुखों को ऐसे अनुभव करते हैं मानो वे आपके अपने हों। हर पृष्ठभूमि के लोगों के लिए आपका हृदय खुला है, और प्रायः आप उपचार, शिक्षण या परोपकार के कार्यों की ओर आकर्षित होते हैं। अपने से पहले आने वाले हर अंक का ज्ञान आपके भीतर समाया हुआ है। अतीत को गरिमा के साथ पीछे छोड़ना सीखें, तब आपकी करुणा अनगिनत जीवनों को छू लेगी।</translation>
    </message>
    <message>
        <source>This number describes your vibration in the world and the tasks that you must achieve in this lifetime using the name given to you. It is found from the letters of your birth name, and it shows the talents you offer others and the goal your soul has come to fulfil.</source>
        <translation>यह अंक संसार में आपके स्पंदन का और उन कार्यों का वर्णन करता है जिन्हें आपको मिले हुए नाम के सहारे इस जीवन में पूरा करना है। यह जन्म के समय रखे गए आपके नाम के अक्षरों से निकाला जाता है, और बताता है कि आप दूसरों को कौन-सी प्रतिभाएँ देते हैं और आपकी आत्मा किस लक्ष्य को पूरा करने के लिए आई है।</translation>
    </message>
    <message>
        <source>This tells you are a leader. You are talented, skilled and posses cool administrative capabilities. You are able to make firm, fair decisions and to guide others with a clear sense of purpose. New ventures suit you well, and you are never afraid to be the first to try. Your destiny is to inspire through your own example and to show others how to stand tall with courage and gentle pride.</source>
        <translation>यह अंक बताता है कि आपमें नेतृत्व का स्वाभाविक गुण है। आप प्रतिभाशाली और कुशल हैं, और आपमें शांत चित्त से प्रशासन संभालने की क्षमता है। आप दृढ़ और न्यायपूर्ण निर्णय ले सकते हैं, और उद्देश्य की स्पष्ट समझ के साथ दूसरों का मार्गदर्शन कर सकते हैं। नए उद्यम आपके अनुकूल रहते हैं, और कोई नया काम सबसे पहले आज़माने से आप कभी नहीं डरते। आपकी नियति है कि आप अपने उदाहरण से दूसरों को प्रेरित करें और उन्हें दिखाएँ कि साहस और विनम्र स्वाभिमान के साथ सिर ऊँचा करके कैसे खड़ा हुआ जाता है।</translation>
    </message>
    <message>
        <source>The negative trait of this number includes one becoming egotistic and developing a self-centered approach to life. You may ignore the advice of others and insist on doing things your way.</source>
        <translation>इस अंक के नकारात्मक पक्ष में व्यक्ति का अहंकारी हो जाना और जीवन के प्रति आत्मकेंद्रित दृष्टिकोण अपना लेना शामिल है। आप दूसरों की सलाह की अनदेखी कर सकते हैं और हर काम अपने ही ढंग से करने पर अड़ सकते हैं।</translation>
    </message>
    <message>
        <source>This number gives you good people managing skills. You understand feelings, moods and hidden tensions, and you know how to bring people together in a spirit of cooperation. You are a patient listener and a wise mediator, often the calm centre of any storm. Your destiny lies in partnership, diplomacy and service, where your gentle tact can heal quarrels and build lasting bonds. Success comes to you through the quiet support you offer, rather than through force or display.</source>
        <translation>यह अंक आपको लोगों को साथ लेकर चलने और उन्हें संभालने का अच्छा कौशल देता है। आप भावनाओं, मनोदशाओं और भीतर छिपे तनावों को समझते हैं, और सहयोग की भावना से लोगों को एकजुट करना जानते हैं। आप धैर्य से सुनने वाले और समझदार मध्यस्थ हैं; किसी भी उथल-पुथल के बीच प्रायः आप ही शांत धुरी बने रहते हैं। आपकी नियति साझेदारी, कूटनीति और सेवा में है, जहाँ आपकी कोमल व्यवहार-कुशलता मनमुटाव दूर कर सकती है और स्थायी संबंध बना सकती है। सफलता आपको बल या दिखावे से नहीं, बल्कि आपके दिए हुए मौन सहयोग से मिलती है।</translation>
    </message>
    <message>
        <source>The negative trait of this number is that you can be sensitive to certain issues and be affected very easily. You may hide your true feelings to avoid conflict, which can leave you feeling ignored. Indecision and worry may also hold you back.</source>
        <translation>इस अंक का नकारात्मक पक्ष यह है कि आप कुछ बातों को लेकर संवेदनशील हो सकते हैं और बहुत आसानी से प्रभावित हो जाते हैं। टकराव से बचने के लिए आप अपनी सच्ची भावनाएँ छिपा सकते हैं, जिससे आपको उपेक्षित होने का अनुभव हो सकता है। अनिर्णय और चिंता भी आपको आगे बढ़ने से रोक सकते हैं।</translation>
    </message>
    <message>
        <source>This number indicates a strong creativity in your nature. You have a gift for words, images and ideas, and you can express feelings in a way that moves the hearts of others. Writing, speaking, art, music or performance may all bring you joy and recognition. Your cheerful spirit attracts friends with ease, and your company is a blessing. Your destiny is to uplift the world through beauty and self-expression, bringing hope and laughter wherever you go.</source>
        <translation>यह अंक आपके स्वभाव में प्रबल रचनात्मकता का संकेत देता है। शब्दों, चित्रों और विचारों की आपमें विशेष प्रतिभा है, और आप अपनी भावनाएँ इस तरह व्यक्त कर सकते हैं कि दूसरों का हृदय छू जाए। लेखन, भाषण, कला, संगीत या मंच पर प्रस्तुति, ये सभी आपको आनंद और पहचान दिला सकते हैं। आपका प्रसन्नचित्त स्वभाव सहज ही मित्रों को आकर्षित करता है, और आपका साथ अपने आप में एक वरदान है। आपकी नियति है कि आप सौंदर्य और आत्म-अभिव्यक्ति के द्वारा संसार का उत्थान करें, और जहाँ भी जाएँ वहाँ आशा और हँसी बिखेरें।</translation>
    </message>
    <message>
        <source>The negative trait of Destiny number 3 is unwanted display of show. You may scatter your talents across too many different interests and leave good work unfinished. At times you may speak without thinking, or use charm to escape duties that you ought to face with care.</source>
        <translation>नामांक 3 का नकारात्मक पक्ष अनावश्यक दिखावा है। आप अपनी प्रतिभाओं को बहुत-सी अलग-अलग रुचियों में बिखेर सकते हैं और अच्छे काम अधूरे छोड़ सकते हैं। कभी-कभी आप बिना सोचे बोल सकते हैं, या उन कर्तव्यों से बचने के लिए अपने आकर्षण का सहारा ले सकते हैं जिनका सामना आपको गंभीरता से करना चाहिए।</translation>
    </message>
    <message>
        <source>You will have good management and organizational skills. You are steady, methodical and dependable, and you bring order to situations that others find confusing. You prefer clear plans, honest methods and firm foundations, and you will put in patient effort to see a project through to its end. Those who work with you trust your judgment and your sense of fairness. Your destiny is to build something lasting, whether it is a home, a business or an institution that serves the community. You are at your best when you honour tradition while still leaving room for growth. Hard work is your path, and it brings you well-earned and enduring rewards.</source>
        <translation>आपमें प्रबंधन और संगठन का अच्छा कौशल होगा। आप स्थिर, व्यवस्थित और भरोसेमंद हैं, और जिन परिस्थितियों में दूसरे उलझ जाते हैं, उनमें आप व्यवस्था ले आते हैं। आपको स्पष्ट योजनाएँ, ईमानदार कार्य-पद्धति और मज़बूत नींव पसंद हैं, और किसी भी कार्य को अंत तक पहुँचाने के लिए आप धैर्य से परिश्रम करते हैं। आपके साथ काम करने वाले लोग आपके विवेक और आपकी न्यायप्रियता पर भरोसा करते हैं। आपकी नियति कुछ ऐसा बनाना है जो लंबे समय तक टिका रहे, चाहे वह एक घर हो, कोई व्यवसाय हो या समाज की सेवा करने वाली कोई संस्था। आप तब अपने सर्वश्रेष्ठ रूप में होते हैं जब परंपरा का सम्मान करते हुए भी विकास के लिए स्थान छोड़ते हैं। कठोर परिश्रम ही आपका मार्ग है, और यही आपको मेहनत से अर्जित और स्थायी प्रतिफल देता है।</translation>
    </message>
    <message>
        <source>The negative trait of 4 often produces arrogant and dominating individuals. You may become so attached to your own methods that you refuse to consider other views. Rigidity and the fear of change can limit your progress. You may also work too hard and forget to rest, leaving you tired and irritable. Learn to soften your approach and to trust others, and your strength will serve you far better.</source>
        <translation>अंक 4 का नकारात्मक पक्ष प्रायः व्यक्ति को अहंकारी और दूसरों पर हावी होने वाला बना देता है। आप अपनी ही कार्य-पद्धति से इतने बँध सकते हैं कि दूसरे दृष्टिकोणों पर विचार करने से ही इनकार कर दें। कठोरता और परिवर्तन का भय आपकी प्रगति को सीमित कर सकते हैं। आप ज़रूरत से ज़्यादा काम करके आराम करना भी भूल सकते हैं, जिससे आप थके हुए और चिड़चिड़े हो सकते हैं। अपने व्यवहार में नरमी लाना और दूसरों पर भरोसा करना सीखें, तब आपकी शक्ति आपके कहीं अधिक काम आएगी।</translation>
    </message>
    <message>
        <source>You are gifted with multiple talents. You have a quick mind, a ready tongue and a love of freedom that keeps you moving toward new horizons. Travel, trade, media and any field that involves change suit your restless spirit. You can adapt to almost any situation and often charm people with your wit. Your destiny is to taste life fully and to share what you learn with others, showing them that change need not be feared. When you learn to focus your energy, your gifts will bring you success and a rich life.</source>
        <translation>आपको अनेक प्रतिभाओं का वरदान मिला है। आपकी बुद्धि तेज़ है, आप हाज़िरजवाब हैं, और स्वतंत्रता के प्रति आपका प्रेम आपको सदा नए क्षितिजों की ओर ले जाता है। यात्रा, व्यापार, मीडिया और ऐसा कोई भी क्षेत्र जिसमें परिवर्तन होता रहे, आपके चंचल मन के अनुकूल है। आप लगभग किसी भी परिस्थिति में ढल सकते हैं और प्रायः अपनी चतुराई भरी बातों से लोगों का मन मोह लेते हैं। आपकी नियति है कि आप जीवन का पूरा रस लें और जो सीखें उसे दूसरों के साथ बाँटें, ताकि वे समझ सकें कि परिवर्तन से डरने की आवश्यकता नहीं है। जब आप अपनी ऊर्जा को एक दिशा में केंद्रित करना सीख लेंगे, तब आपकी प्रतिभाएँ आपको सफलता और भरा-पूरा जीवन देंगी।</translation>
    </message>
    <message>
        <source>The negative side of the number says that your restless and impatient attitude may keep you from staying with any project for too long. You may seek pleasure too freely or avoid commitments that feel confining. Finish what you begin, and you will find true freedom.</source>
        <translation>इस अंक का नकारात्मक पक्ष कहता है कि आपका बेचैन और अधीर स्वभाव आपको किसी भी काम में अधिक समय तक टिके रहने से रोक सकता है। आप बिना रोक-टोक सुख-भोग के पीछे भाग सकते हैं, या ऐसी प्रतिबद्धताओं से बच सकते हैं जो आपको बंधन जैसी लगती हैं। जो काम आरंभ करें उसे पूरा करें, तभी आपको सच्ची स्वतंत्रता मिलेगी।</translation>
    </message>
    <message>
        <source>Your goal of life is to have the right balance of love and responsibility. You are a caretaker at heart, and you find meaning in nurturing your family, your friends and your community. People turn to you for comfort, guidance and a sense of belonging. You have a fine eye for beauty and harmony, and you may be drawn to teaching, healing, counselling or the arts. Your destiny is to create warmth and stability wherever you are, and to serve others with an open heart. At times you may feel that the world rests upon your shoulders, so remember to care for yourself as well. When love and duty are in balance, your life becomes a blessing to all.</source>
        <translation>आपके जीवन का लक्ष्य प्रेम और उत्तरदायित्व के बीच सही संतुलन बनाना है। आप मन से दूसरों की देखभाल करने वाले हैं, और अपने परिवार, मित्रों और समाज को स्नेह से संभालने और सँवारने में आपको जीवन का अर्थ मिलता है। लोग सांत्वना, मार्गदर्शन और अपनेपन की अनुभूति के लिए आपकी ओर देखते हैं। सौंदर्य और सामंजस्य की आपको गहरी परख है, और शिक्षण, उपचार, परामर्श या कलाएँ आपको अपनी ओर आकर्षित कर सकती हैं। आपकी नियति है कि आप जहाँ भी रहें वहाँ स्नेह और स्थिरता का वातावरण बनाएँ, और खुले हृदय से दूसरों की सेवा करें। कभी-कभी आपको लग सकता है कि सारी दुनिया का भार आपके ही कंधों पर है, इसलिए स्वयं की देखभाल करना भी न भूलें। जब प्रेम और कर्तव्य संतुलन में होते हैं, तब आपका जीवन सबके लिए वरदान बन जाता है।</translation>
    </message>
    <message>
        <source>The negative traits associated with this number, are stubbornness, arrogance and feeling o superficial self-esteem. You may interfere in the lives of others in the name of love, or expect too much gratitude for what you give. Learn to give without condition.</source>
        <translation>इस अंक से जुड़ी नकारात्मक प्रवृत्तियाँ हैं हठ, अहंकार और दिखावटी आत्मसम्मान की भावना। आप प्रेम के नाम पर दूसरों के जीवन में हस्तक्षेप कर सकते हैं, या जो कुछ देते हैं उसके बदले बहुत अधिक कृतज्ञता की अपेक्षा कर सकते हैं। बिना किसी शर्त के देना सीखें।</translation>
    </message>
    <message>
        <source>You will be interested in analysis and the development of a mind skilled at searching out the truth ad mysticism. You are a thinker, a researcher and a seeker, never content with easy answers. Science, philosophy, religion and the hidden side of life hold a natural fascination for you. You need quiet and solitude to reflect, and your best insights arrive in silence. Your destiny is to gather wisdom through study and inner experience and then to share it with those who are ready to receive it. Trust your intuition, for it is one of your strongest guides. Your calm presence offers others a sense of depth and meaning.</source>
        <translation>आपकी रुचि विश्लेषण में होगी, और ऐसे मन को विकसित करने में भी जो सत्य और रहस्यवाद की खोज में निपुण हो। आप विचारक, शोधकर्ता और साधक हैं, जो आसान उत्तरों से कभी संतुष्ट नहीं होते। विज्ञान, दर्शन, धर्म और जीवन का गूढ़ पक्ष आपको स्वाभाविक रूप से आकर्षित करते हैं। चिंतन के लिए आपको शांति और एकांत चाहिए, और आपकी सर्वोत्तम अंतर्दृष्टियाँ मौन में ही जन्म लेती हैं। आपकी नियति है कि आप अध्ययन और आंतरिक अनुभव से ज्ञान अर्जित करें, और फिर उसे उन लोगों के साथ बाँटें जो उसे ग्रहण करने के लिए तैयार हैं। अपने अंतर्ज्ञान पर भरोसा रखें, क्योंकि वह आपके सबसे सशक्त मार्गदर्शकों में से एक है। आपकी शांत उपस्थिति दूसरों को गहराई और सार्थकता का अनुभव कराती है।</translation>
    </message>
    <message>
        <source>The negative trait of this number is that you do not trust people easily. You may withdraw into your own thoughts and seem cold or distant to those who wish to be close to you. Pride in your intellect can make you scornful of others. Try to open your heart and share your rich inner world with those you trust.</source>
        <translation>इस अंक का नकारात्मक पक्ष यह है कि आप लोगों पर आसानी से भरोसा नहीं करते। आप अपने ही विचारों में खोए रह सकते हैं, और जो लोग आपके निकट आना चाहते हैं उन्हें आप रूखे या दूर-दूर रहने वाले लग सकते हैं। अपनी बुद्धि का अभिमान आपके मन में दूसरों के प्रति तिरस्कार भर सकता है। अपना हृदय खोलने का प्रयास करें, और अपने समृद्ध आंतरिक संसार को उन लोगों के साथ बाँटें जिन पर आपको भरोसा है।</translation>
    </message>
    <message>
        <source>You need to achieve material and financial comfort above all things. You have a strong sense of authority and a natural understanding of money, business and organisation. You are ambitious and determined, and you will work hard to reach a position of influence and standing. Large projects do not frighten you, and you often see chances that others overlook. Your destiny is to master the material world and to use your power wisely and fairly. When you combine success with generosity, your achievements bring lasting good to many. Balance is your key, so give time to your spirit as well.</source>
        <translation>आपके लिए सबसे बढ़कर भौतिक और आर्थिक सुख-सुविधा प्राप्त करना आवश्यक है। आपमें अधिकार की प्रबल भावना है, और धन, व्यापार तथा संगठन की आपको स्वाभाविक समझ है। आप महत्वाकांक्षी और दृढ़निश्चयी हैं, और प्रभाव तथा प्रतिष्ठा का स्थान पाने के लिए आप कड़ी मेहनत करेंगे। बड़ी परियोजनाएँ आपको डराती नहीं, और प्रायः आप वे अवसर देख लेते हैं जिन्हें दूसरे अनदेखा कर देते हैं। आपकी नियति है कि आप भौतिक जगत में पूर्ण दक्षता प्राप्त करें और अपनी शक्ति का उपयोग विवेक और न्याय के साथ करें। जब आप सफलता के साथ उदारता को जोड़ते हैं, तब आपकी उपलब्धियाँ अनेक लोगों का स्थायी हित करती हैं। संतुलन ही आपके जीवन का मूल मंत्र है, इसलिए अपने आध्यात्मिक जीवन को भी समय दें।</translation>
    </message>
    <message>
        <source>A negative 8 can be very rigid and stubborn. You may be over ambitious and dominating. Impatience may be the reason f or your downfall.</source>
        <translation>नकारात्मक प्रभाव में अंक 8 वाला व्यक्ति बहुत कठोर और ज़िद्दी हो सकता है। आप अति महत्वाकांक्षी और दूसरों पर हावी होने वाले हो सकते हैं। अधीरता आपके पतन का कारण बन सकती है।</translation>
    </message>
    <message>
        <source>Your prime focus will be in activities of compassion, and in worldly understanding. You feel a deep connection with all people and a wish to make the world a gentler place. Humanitarian work, teaching, healing and the arts may call to you. Your destiny is to give freely of your wisdom and love, letting go of personal gain for the good of the many, and to find joy in doing so.</source>
        <translation>आपका मुख्य ध्यान करुणा के कार्यों पर और सांसारिक समझ पर रहेगा। आप सभी लोगों से एक गहरा जुड़ाव अनुभव करते हैं, और संसार को अधिक सौम्य स्थान बनाने की इच्छा रखते हैं। मानव-सेवा, शिक्षण, उपचार और कलाएँ आपको अपनी ओर पुकार सकती हैं। आपकी नियति है कि आप अपना ज्ञान और प्रेम मुक्त हृदय से बाँटें, बहुतों के हित के लिए निजी लाभ का त्याग करें, और ऐसा करने में आनंद पाएँ।</translation>
    </message>
    <message>
        <source>The negative traits of 9 Destiny can be selfishness and an egoistic attitude. You may hold on to old hurts or give so much that you feel used. Forgiveness and balance bring peace.</source>
        <translation>नामांक 9 की नकारात्मक प्रवृत्तियाँ स्वार्थ और अहंकारपूर्ण रवैया हो सकती हैं। आप पुरानी कड़वाहट मन में पाले रख सकते हैं, या इतना अधिक दे सकते हैं कि आपको लगे कि आपका उपयोग किया जा रहा है। क्षमा और संतुलन से शांति मिलती है।</translation>
    </message>
    <message>
        <source>All with Destiny 4, and especially the master number 22/4, are potentially equipped to handle large-scale undertakings in the material world. You have the vision to imagine great works and the patience to build them step by step. Used wisely, this power can bless whole communities.</source>
        <translation>नामांक 4 वाले सभी लोगों में, और विशेष रूप से मास्टर अंक 22/4 वालों में, भौतिक जगत के बड़े-बड़े कार्यों को संभालने की क्षमता छिपी होती है। आपके पास महान कार्यों की कल्पना करने की दूरदृष्टि भी है और उन्हें चरण-दर-चरण साकार करने का धैर्य भी। बुद्धिमानी से उपयोग करने पर यह शक्ति पूरे-पूरे समुदायों का कल्याण कर सकती है।</translation>
    </message>
</context>
<context>
    <name>core::Working</name>
    <message>
        <source>%1 letters</source>
        <translation>%1 अक्षर</translation>
    </message>
</context>
<context>
    <name>sys::FileAccess</name>
    <message>
        <source>The file may not be changed.</source>
        <translation>इस फ़ाइल को बदला नहीं जा सकता।</translation>
    </message>
    <message>
        <source>A file name may be at most %1 bytes long; this one has %2.</source>
        <translation>फ़ाइल का नाम अधिक से अधिक %1 बाइट का हो सकता है; यह नाम %2 बाइट का है।</translation>
    </message>
    <message>
        <source>The path is longer than the 260 characters that Windows programs can open.</source>
        <translation>यह पथ 260 अक्षरों से लंबा है; Windows के प्रोग्राम इससे लंबे पथ नहीं खोल पाते।</translation>
    </message>
    <message>
        <source>Windows keeps this name for a device; choose another name.</source>
        <translation>Windows यह नाम किसी उपकरण के लिए रखता है; कोई दूसरा नाम चुनें।</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>यह फ़ाइल केवल पढ़ने के लिए है।</translation>
    </message>
    <message>
        <source>A file name may be at most %1 characters long; this one has %2.</source>
        <translation>फ़ाइल का नाम अधिक से अधिक %1 अक्षरों का हो सकता है; यह नाम %2 अक्षरों का है।</translation>
    </message>
    <message>
        <source>There is not enough space on the disk for the file.</source>
        <translation>डिस्क पर इस फ़ाइल के लिए पर्याप्त जगह नहीं है।</translation>
    </message>
    <message>
        <source>You do not have permission to write there.</source>
        <translation>आपको वहाँ फ़ाइल सहेजने की अनुमति नहीं है।</translation>
    </message>
    <message>
        <source>The disk can be read but not written to.</source>
        <translation>यह डिस्क केवल पढ़ी जा सकती है; इस पर कुछ सहेजा नहीं जा सकता।</translation>
    </message>
    <message>
        <source>The folder does not exist, or no longer does.</source>
        <translation>यह फ़ोल्डर मौजूद नहीं है, या अब नहीं रहा।</translation>
    </message>
    <message>
        <source>The file&apos;s name or its path is too long.</source>
        <translation>फ़ाइल का नाम या उसका पथ बहुत लंबा है।</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>कोई दूसरा प्रोग्राम इस फ़ाइल का उपयोग कर रहा है।</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>इस नाम का एक फ़ोल्डर पहले से मौजूद है।</translation>
    </message>
</context>
<context>
    <name>sys::SavedReadings</name>
    <message>
        <source>The name is longer than a reading file can hold.</source>
        <translation>यह नाम इतना लंबा है कि अंक ज्योतिष फल की फ़ाइल में नहीं समा सकता।</translation>
    </message>
</context>
<context>
    <name>ui::BeadRows</name>
    <message>
        <source>Rudraksh Name</source>
        <translation>रुद्राक्ष का नाम</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>स्वामी ग्रह</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>प्रतीक</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>अंक</translation>
    </message>
    <message>
        <source>Day To Wear</source>
        <translation>धारण करने का दिन</translation>
    </message>
    <message>
        <source>Mantras</source>
        <translation>मंत्र</translation>
    </message>
    <message>
        <source>Body Parts</source>
        <translation>शरीर के अंग</translation>
    </message>
    <message>
        <source>Ailments</source>
        <translation>रोग</translation>
    </message>
    <message>
        <source>Rituals To Wear</source>
        <translation>धारण करने की विधि</translation>
    </message>
</context>
<context>
    <name>ui::FileDialogs</name>
    <message>
        <source>VQ Rudraksh Numerology (*.rkn)</source>
        <translation>VQ Rudraksh Numerology फ़ाइलें (*.rkn)</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>स्रोत फ़ाइल चुनें</translation>
    </message>
    <message>
        <source>VQ Rudraksh Numerology</source>
        <translation>VQ Rudraksh Numerology</translation>
    </message>
    <message>
        <source>Export the reading as PDF</source>
        <translation>अंक ज्योतिष फल को PDF के रूप में निर्यात करें</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF दस्तावेज़ (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ui::ForumBanner</name>
    <message>
        <source>Discuss Rudraksha and numerology with us in our online forum at vq-software.example.com</source>
        <translation>vq-software.example.com पर हमारे ऑनलाइन फ़ोरम में हमारे साथ रुद्राक्ष और अंक ज्योतिष पर चर्चा करें</translation>
    </message>
    <message>
        <source>Opens our forum in your web browser</source>
        <translation>हमारा फ़ोरम आपके वेब ब्राउज़र में खोलता है</translation>
    </message>
</context>
<context>
    <name>ui::HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट पर आएँ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट की जाँच करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
</context>
<context>
    <name>ui::PromotionStrip</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर को अपनी साइट के नाम से को-ब्रांड करें। अपनी साइट पर आने वालों का जुड़ाव और साइट का ट्रैफ़िक बढ़ाएँ। अपनी साइट का नाम और लिंक यहाँ लगाएँ। विवरण के लिए &quot;सहायता&quot; देखें। को-ब्रांडिंग के बारे में अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Opens the co-branding page in your web browser</source>
        <translation>को-ब्रांडिंग का पेज आपके वेब ब्राउज़र में खोलता है</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाई करें। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Opens the page on the fully branded edition in your web browser</source>
        <translation>पूरी तरह ब्रांडेड संस्करण की जानकारी वाला पेज आपके वेब ब्राउज़र में खोलता है</translation>
    </message>
</context>
<context>
    <name>ui::ReadingDocument</name>
    <message>
        <source>Keeping the beads</source>
        <translation>रुद्राक्ष की देखभाल के नियम</translation>
    </message>
    <message>
        <source>Life path number</source>
        <translation>भाग्यांक</translation>
    </message>
    <message>
        <source>Destiny number</source>
        <translation>नामांक</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>पृष्ठ %1 (कुल %2)</translation>
    </message>
</context>
<context>
    <name>ui::ReadingPage</name>
    <message>
        <source>Result</source>
        <translation>परिणाम</translation>
    </message>
    <message>
        <source>Life path number</source>
        <translation>भाग्यांक</translation>
    </message>
    <message>
        <source>Destiny number</source>
        <translation>नामांक</translation>
    </message>
    <message>
        <source>Life path personality text</source>
        <translation>भाग्यांक के अनुसार व्यक्तित्व का विवरण</translation>
    </message>
    <message>
        <source>Life path bead description</source>
        <translation>भाग्यांक के रुद्राक्ष का विवरण</translation>
    </message>
    <message>
        <source>Life path planet text</source>
        <translation>भाग्यांक के ग्रह का विवरण</translation>
    </message>
    <message>
        <source>Destiny personality text</source>
        <translation>नामांक के अनुसार व्यक्तित्व का विवरण</translation>
    </message>
    <message>
        <source>Destiny bead description</source>
        <translation>नामांक के रुद्राक्ष का विवरण</translation>
    </message>
    <message>
        <source>Destiny planet text</source>
        <translation>नामांक के ग्रह का विवरण</translation>
    </message>
    <message>
        <source>Life path %1</source>
        <translation>भाग्यांक: %1</translation>
    </message>
    <message>
        <source>Destiny %1</source>
        <translation>नामांक: %1</translation>
    </message>
    <message>
        <source>Life path number: %1</source>
        <translation>भाग्यांक: %1</translation>
    </message>
    <message>
        <source>Destiny number: %1</source>
        <translation>नामांक: %1</translation>
    </message>
    <message>
        <source>%1 bead</source>
        <translation>%1 का दाना</translation>
    </message>
    <message>
        <source>Symbol of the %1</source>
        <translation>%1 का प्रतीक</translation>
    </message>
    <message>
        <source>Symbol of %1</source>
        <translation>%1 का प्रतीक</translation>
    </message>
    <message>
        <source>No symbol for %1</source>
        <translation>%1 का कोई प्रतीक नहीं</translation>
    </message>
</context>
<context>
    <name>ui::RecentReadingsMenu</name>
    <message>
        <source>&amp;%1 %2 (%3)</source>
        <translation>&amp;%1 %2 (%3)</translation>
    </message>
</context>
<context>
    <name>ui::WindowFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>प्रोग्राम का आइकन</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Click here to visit us at %1</source>
        <translation>%1 पर हमारी वेबसाइट देखने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Opens our home page in your web browser</source>
        <translation>हमारा होम पेज आपके वेब ब्राउज़र में खोलता है</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाई करें। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Opens the page on the fully branded edition in your web browser</source>
        <translation>पूरी तरह ब्रांडेड संस्करण की जानकारी वाला पेज आपके वेब ब्राउज़र में खोलता है</translation>
    </message>
    <message>
        <source>VQ Rudraksha Numerology gives you the benefits of using Rudraksh beads based on numerology. These beads are said to have many medicinal and spiritual properties that can help you overcome many problems in life.</source>
        <translation>VQ Rudraksha Numerology के साथ आप अंक ज्योतिष के आधार पर रुद्राक्ष धारण करने का लाभ उठा सकते हैं। कहा जाता है कि इन दानों में अनेक औषधीय और आध्यात्मिक गुण होते हैं, जो जीवन की बहुत-सी समस्याओं से पार पाने में आपकी सहायता कर सकते हैं।</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Personal Details</source>
        <translation>व्यक्तिगत विवरण</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Birth day</source>
        <translation>जन्म का दिन</translation>
    </message>
    <message>
        <source>Birth month</source>
        <translation>जन्म का महीना</translation>
    </message>
    <message>
        <source>Birth year</source>
        <translation>जन्म का वर्ष</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पहले सहेजा गया अंक ज्योतिष फल खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>Enter your name and date of birth to get your VQ Rudraksha Numerology Reading!</source>
        <translation>VQ Rudraksha Numerology से अपना अंक ज्योतिष फल जानने के लिए अपना नाम और जन्म तिथि दर्ज करें!</translation>
    </message>
    <message>
        <source>&amp;Get My Rudraksha Numerology Reading</source>
        <translation>मेरा रुद्राक्ष अंक ज्योतिष फल देखें (&amp;G)</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Name Using The Letters A To Z</source>
        <translation>कृपया अपना नाम केवल अंग्रेज़ी अक्षरों (A से Z) में दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया जन्म का सही दिन या महीना दर्ज करें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया जन्म का सही दिन या महीना दर्ज करें!</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>कृपया फ़ाइल की जाँच करें।</translation>
    </message>
</context>
<context>
    <name>ui::frmRudrakshNumerologyResult</name>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>PDF के रूप में निर्यात करें (&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>प्रिंट करें (&amp;P)…</translation>
    </message>
    <message>
        <source>Rudraksh Based On Life Path Number</source>
        <translation>भाग्यांक के अनुसार रुद्राक्ष</translation>
    </message>
    <message>
        <source>Rudraksh Based On Destiny Number</source>
        <translation>नामांक के अनुसार रुद्राक्ष</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>The reading could not be saved to &quot;%1&quot;.

%2</source>
        <translation>अंक ज्योतिष फल &quot;%1&quot; में सहेजा नहीं जा सका।

%2</translation>
    </message>
    <message>
        <source>The PDF document could not be made.</source>
        <translation>PDF दस्तावेज़ नहीं बनाया जा सका।</translation>
    </message>
    <message>
        <source>The reading could not be exported to &quot;%1&quot;.

%2</source>
        <translation>अंक ज्योतिष फल &quot;%1&quot; में निर्यात नहीं किया जा सका।

%2</translation>
    </message>
    <message>
        <source>The reading could not be printed to &quot;%1&quot;.

%2</source>
        <translation>अंक ज्योतिष फल &quot;%1&quot; में प्रिंट नहीं हो सका।

%2</translation>
    </message>
    <message>
        <source>A reading file cannot hold these letters of the name: %1

It will be saved as &quot;%2&quot;.</source>
        <translation>अंक ज्योतिष फल की फ़ाइल में नाम के ये अक्षर नहीं रखे जा सकते: %1

नाम &quot;%2&quot; के रूप में सहेजा जाएगा।</translation>
    </message>
    <message>
        <source>The reading could not be printed on &quot;%1&quot;.</source>
        <translation>अंक ज्योतिष फल &quot;%1&quot; पर प्रिंट नहीं हो सका।</translation>
    </message>
</context>
</TS>
