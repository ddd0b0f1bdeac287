#version 120
// Walls. The game names this program's entry "vertexMain"; GLSL always starts at main.
#define vertexMain main

uniform mat4 mWorldViewProj;
uniform mat4 mWorld;
uniform mat4 mInvWorld;

varying vec2 texCoord;
varying vec2 shadowCoord;
varying vec3 worldNormal;
varying vec3 worldPosition;

void vertexMain()
{
    gl_Position = mWorldViewProj * gl_Vertex;
    texCoord = gl_MultiTexCoord0.xy;
    shadowCoord = gl_MultiTexCoord1.xy;
    worldPosition = (mWorld * gl_Vertex).xyz;
    // Normals go through the inverse transpose of the world transform.
    worldNormal = normalize((vec4(gl_Normal, 0.0) * mInvWorld).xyz);
}
